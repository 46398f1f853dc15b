// What the dialog model needs from its window: the controls' values, message
// boxes and the end of the dialog. The Qt window implements it with widgets;
// tests and the scenario runner implement it in memory.
#pragma once

#include <cstddef>
#include <string>

namespace kp {

enum class Field { Grid, DaysInPort, SeaStatus, EndDate, BoatType, EndLocation };
enum class CheckBox { AutoRadarUpdate, EnteredMed };
enum class MessageButtons { Ok, OkCancel };
enum class MessageAnswer { Ok, Cancel };
enum class DialogResult { Ok, Cancel };

// A window keeps its controls in arrays in the order of these enums, so a
// value's position there is its number.
constexpr std::size_t Slot(auto value) {
    return static_cast<std::size_t>(value);
}

class DialogControls {
  public:
    virtual ~DialogControls() = default;

    virtual std::string FieldText(Field field) const = 0;
    // Text the program sets is shown whole, whatever the typing limit.
    virtual void SetFieldText(Field field, const std::string& text) = 0;
    // How many characters the user may type into the grid field.
    virtual void SetGridTypingLimit(int characters) = 0;

    virtual void AppendListEntry(const std::string& text) = 0;
    virtual int ListCount() const = 0;
    virtual std::string ListEntry(int index) const = 0;
    // -1 when nothing is selected.
    virtual int ListSelection() const = 0;
    // Selecting never reports a selection change back to the model.
    virtual void SetListSelection(int index) = 0;

    // Index of the checked radio button, -1 when none is.
    virtual int RadioIndex() const = 0;
    // -1 clears all four.
    virtual void SetRadioIndex(int index) = 0;

    virtual bool IsChecked(CheckBox box) const = 0;
    virtual void SetChecked(CheckBox box, bool checked) = 0;

    virtual void FocusAndSelectAll(Field field) = 0;

    // A modal box with the exclamation icon; OK alone or OK and Cancel.
    virtual MessageAnswer ShowMessage(const std::string& text, MessageButtons buttons) = 0;

    virtual void EndDialog(DialogResult result) = 0;
};

}  // namespace kp
