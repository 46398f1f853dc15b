// The dialog's controls kept in memory: what tests and the scenario runner's
// model mode give the dialog model instead of a window.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ui/dialog_controls.h"

namespace kp {

class MemoryControls final : public DialogControls {
  public:
    // Called for every message box; returns the answer for OK/Cancel boxes.
    using MessageHandler = std::function<MessageAnswer(const std::string&, MessageButtons)>;

    explicit MemoryControls(MessageHandler onMessage = {}) : onMessage_(std::move(onMessage)) {}

    std::string FieldText(Field field) const override;
    void SetFieldText(Field field, const std::string& text) override;
    void SetGridTypingLimit(int characters) override { gridLimit_ = characters; }
    void AppendListEntry(const std::string& text) override { list_.push_back(text); }
    int ListCount() const override { return static_cast<int>(list_.size()); }
    std::string ListEntry(int index) const override;
    int ListSelection() const override { return selection_; }
    void SetListSelection(int index) override { selection_ = index; }
    int RadioIndex() const override { return radio_; }
    void SetRadioIndex(int index) override { radio_ = index; }
    bool IsChecked(CheckBox box) const override;
    void SetChecked(CheckBox box, bool checked) override { checks_[box] = checked; }
    void FocusAndSelectAll(Field field) override { focus_ = field; }
    MessageAnswer ShowMessage(const std::string& text, MessageButtons buttons) override;
    void EndDialog(DialogResult result) override { result_ = result; }

    // What a user does: select all of the grid field and type, key by key.
    void TypeGrid(const std::string& text);

    const std::vector<std::string>& Messages() const { return messages_; }
    std::optional<DialogResult> Result() const { return result_; }
    std::optional<Field> Focus() const { return focus_; }
    int GridTypingLimit() const { return gridLimit_; }

  private:
    MessageHandler onMessage_;
    std::map<Field, std::string> fields_;
    std::vector<std::string> list_;
    int selection_ = -1;
    int radio_ = -1;
    std::map<CheckBox, bool> checks_;
    int gridLimit_ = -1;  // none until the program sets one
    std::optional<Field> focus_;
    std::vector<std::string> messages_;
    std::optional<DialogResult> result_;
};

// Characters of UTF-8 text, a multi-byte sequence counting once.
std::vector<std::string> Utf8Characters(const std::string& text);

}  // namespace kp
