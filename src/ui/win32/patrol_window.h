// The main window: dialog template 102 with its real controls. Every control
// notification goes to the model's handler for it through the message map;
// the model reads and writes the controls through DialogControls.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "ui/dialog_controls.h"
#include "ui/model_control_rows.h"
#include "ui/win32/dialog_layout.h"
#include "ui/win32/wide_text.h"

namespace kp {

class CKelmarPatrol2Dlg;

class PatrolWindow final : public DialogControls {
  public:
    explicit PatrolWindow(CKelmarPatrol2Dlg& dialog);

    // The modal run: opens the window (OnInitDialog) and returns when
    // "Make Changes" or Cancel has ended it.
    DialogResult Run();

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

  private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnInitDialog();
    void AddAboutItem();
    bool OnCommand(int id, int notification);
    bool OnSysCommand(WPARAM command);
    bool OnContextMenu(LPARAM where);
    // About or Undo, from whichever menu or key; false for another command.
    bool RunCommand(int command);
    bool OnPaint();
    HWND Control(int id) const;

    CKelmarPatrol2Dlg& dialog_;
    HWND window_ = nullptr;
    HICON icon_ = nullptr;
    // The controls' font and places at the window's DPI.
    std::optional<DialogLayout> layout_;
    std::array<ProgramText, kFieldCount> fieldTexts_{};
    std::vector<ProgramText> listTexts_;
};

}  // namespace kp
