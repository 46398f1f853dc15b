// Texts of the windows, for the code: the Qt window, the Windows one, the
// program's start and the scenario runner's model of the window. They stand
// in src/ui/window_layout.h, which the resource script reads too.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "ui/model_control_rows.h"
#include "ui/window_layout.h"

namespace kp {

inline constexpr std::string_view kProgramName = KP_TEXT_PROGRAM_NAME;
inline constexpr std::string_view kWindowCaption = KP_TEXT_WINDOW_CAPTION;
inline constexpr std::string_view kAboutCaption = KP_TEXT_ABOUT_CAPTION;
inline constexpr std::string_view kAboutVersion = KP_TEXT_ABOUT_VERSION;
inline constexpr std::string_view kAboutMenuItem = KP_TEXT_ABOUT_MENU_ITEM;
inline constexpr std::string_view kUndoMenuItem = KP_TEXT_UNDO_MENU_ITEM;
inline constexpr std::string_view kProgramVersion = KP_TEXT_PROGRAM_VERSION;
// The folder chooser's title, when no configuration folder is found.
inline constexpr std::string_view kChooseFolderTitle = KP_TEXT_CHOOSE_FOLDER_TITLE;
// The About box's folder line up to the folder's path.
inline constexpr std::string_view kFolderLineStart = KP_TEXT_FOLDER_LINE_START;

// A caption as read aloud or printed: without the '&' that marks its access
// key, "&&" being one '&' shown.
inline std::string WithoutAccessKeys(std::string_view caption) {
    std::string shown;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            ++i;
        }
        shown += caption[i];
    }
    return shown;
}

// Each control's caption by its row's name in the layout:
// control_caption::landBaseRadio.
namespace control_caption {
#define KP_CONTROL_CAPTION(name, id, kind, caption, ...) \
    inline constexpr std::string_view name = caption;
KP_PATROL_WINDOW_CONTROLS(KP_CONTROL_CAPTION)
KP_ABOUT_BOX_CONTROLS(KP_CONTROL_CAPTION)
#undef KP_CONTROL_CAPTION
}  // namespace control_caption

// Captions of the base buttons, by TankerChoice.
#define KP_BASE_CAPTION(value, name) control_caption::name,
inline constexpr std::array<std::string_view, kBaseButtonCount> kBaseCaptions = {
    KP_BASE_BUTTON_CONTROLS(KP_BASE_CAPTION)};
#undef KP_BASE_CAPTION

}  // namespace kp
