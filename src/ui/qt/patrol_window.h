// The main window: the dialog model's controls as real widgets. Every widget
// signal goes to the model's handler for it; the model reads and writes the
// widgets through DialogControls.
#pragma once

#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "ui/dialog_controls.h"
#include "ui/model_control_rows.h"
#include "ui/qt/utf8_text.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;

namespace kp {

class CKelmarPatrol2Dlg;
class CareerListBox;
class TypingLimitValidator;

class PatrolWindow final : public QDialog, public DialogControls {
  public:
    // Attaches itself to `dialog` and opens it (OnInitDialog).
    explicit PatrolWindow(CKelmarPatrol2Dlg& dialog, QWidget* parent = nullptr);

    std::string FieldText(Field field) const override;
    void SetFieldText(Field field, const std::string& text) override;
    void SetGridTypingLimit(int characters) override;
    void AppendListEntry(const std::string& text) override;
    int ListCount() const override;
    std::string ListEntry(int index) const override;
    int ListSelection() const override;
    void SetListSelection(int index) override;
    int RadioIndex() const override;
    void SetRadioIndex(int index) override;
    bool IsChecked(CheckBox box) const override;
    void SetChecked(CheckBox box, bool checked) override;
    void FocusAndSelectAll(Field field) override;
    MessageAnswer ShowMessage(const std::string& text, MessageButtons buttons) override;
    void EndDialog(DialogResult result) override;

    // Cancel, Esc and the close box all end here, in the model's OnCancel.
    void reject() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void FindControls();
    void ConnectControls();
    void AddAboutCommand();
    void AddUndoCommand();
    QLineEdit& Edit(Field field) const;
    QCheckBox& Box(CheckBox box) const;

    CKelmarPatrol2Dlg& dialog_;
    std::array<QLineEdit*, kFieldCount> fields_{};
    std::array<ProgramText, kFieldCount> fieldTexts_{};
    std::vector<ProgramText> listTexts_;
    std::array<QCheckBox*, kCheckBoxCount> checkBoxes_{};
    CareerListBox* list_ = nullptr;
    QButtonGroup* bases_ = nullptr;
    TypingLimitValidator* gridTyping_ = nullptr;
};

}  // namespace kp
