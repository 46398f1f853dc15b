// The two dialog templates of the program as data: the main window and the
// About box, every control with its kind, caption, place and tab stop, in
// creation order, as src/ui/window_layout.h gives them. Positions and sizes
// are in dialog units.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "ui/control_kind.h"
#include "ui/model_control_rows.h"
#include "ui/qt/dialog_units.h"
#include "ui/window_layout.h"

namespace kp {

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

inline constexpr std::string_view kDialogFontFamily = KP_DIALOG_FONT;

// Each control's object name by its row's name in the layout:
// object_name::gridEdit.
namespace object_name {
#define KP_OBJECT_NAME(name, ...) inline constexpr std::string_view name = #name;
KP_PATROL_WINDOW_CONTROLS(KP_OBJECT_NAME)
KP_ABOUT_BOX_CONTROLS(KP_OBJECT_NAME)
#undef KP_OBJECT_NAME
}  // namespace object_name

// Object names of the main window's controls the program talks to.
inline constexpr std::string_view kMakeChangesName = object_name::makeChangesButton;
inline constexpr std::string_view kCancelName = object_name::cancelButton;
inline constexpr std::string_view kCareerListName = object_name::careerList;
#define KP_OBJECT_NAME_OF(value, name) object_name::name,
// By Field.
inline constexpr std::array<std::string_view, kFieldCount> kFieldNames = {
    KP_FIELD_CONTROLS(KP_OBJECT_NAME_OF)};
// By TankerChoice.
inline constexpr std::array<std::string_view, kBaseButtonCount> kBaseButtonNames = {
    KP_BASE_BUTTON_CONTROLS(KP_OBJECT_NAME_OF)};
// By CheckBox.
inline constexpr std::array<std::string_view, kCheckBoxCount> kCheckBoxNames = {
    KP_CHECK_BOX_CONTROLS(KP_OBJECT_NAME_OF)};
#undef KP_OBJECT_NAME_OF
inline constexpr std::string_view kAboutOkName = object_name::okButton;
inline constexpr std::string_view kAboutFolderName = object_name::folderLabel;

extern const DialogTemplate kPatrolWindowTemplate;
extern const DialogTemplate kAboutBoxTemplate;

}  // namespace kp
