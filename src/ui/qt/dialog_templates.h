// The two dialog templates of the program as data: the main window and the
// About box, every control with its kind, caption, place and tab stop, in
// creation order. Positions and sizes are in dialog units.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "ui/qt/dialog_units.h"

namespace kp {

enum class ControlKind {
    DefaultButton,
    PushButton,
    Edit,
    ReadOnlyEdit,
    RadioButton,
    CheckBox,
    ListBox,
    Label,
    GroupBox,
    Icon,
};

struct ControlTemplate {
    std::string_view name;  // the widget's object name
    ControlKind kind;
    std::string_view caption;
    std::string_view accessibleName;
    DialogRect rect;
    bool tabStop;
};

struct DialogTemplate {
    std::string_view name;
    std::string_view caption;
    int width;
    int height;
    int fontPointSize;
    std::span<const ControlTemplate> controls;
};

inline constexpr std::string_view kDialogFontFamily = "MS Sans Serif";

// Object names of the main window's controls the program talks to.
inline constexpr std::string_view kMakeChangesName = "makeChangesButton";
inline constexpr std::string_view kCancelName = "cancelButton";
inline constexpr std::string_view kCareerListName = "careerList";
// By Field.
inline constexpr std::array<std::string_view, 6> kFieldNames = {
    "gridEdit", "daysEdit", "seaStatusEdit", "endDateEdit", "boatTypeEdit", "endLocationEdit"};
// By TankerChoice.
inline constexpr std::array<std::string_view, 4> kBaseButtonNames = {
    "landBaseRadio", "tankerNorthRadio", "tankerMidRadio", "tankerSouthRadio"};
// By CheckBox.
inline constexpr std::array<std::string_view, 2> kCheckBoxNames = {"autoRadarCheck",
                                                                   "enteredMedCheck"};
inline constexpr std::string_view kAboutOkName = "okButton";
inline constexpr std::string_view kAboutFolderName = "folderLabel";

extern const DialogTemplate kPatrolWindowTemplate;
extern const DialogTemplate kAboutBoxTemplate;

}  // namespace kp
