// The controls' ids by their rows' names in the layout (src/ui/window_layout.h),
// and the main window's controls by the dialog model's names for them.
#pragma once

#include <windows.h>

#include <array>
#include <string_view>

#include "ui/model_control_rows.h"
#include "ui/win32/resource_ids.h"
#include "ui/window_layout.h"

namespace kp {

// control_id::gridEdit is IDC_GRID.
namespace control_id {
#define KP_CONTROL_ID(name, id, ...) inline constexpr int name = id;
KP_PATROL_WINDOW_CONTROLS(KP_CONTROL_ID)
KP_ABOUT_BOX_CONTROLS(KP_CONTROL_ID)
#undef KP_CONTROL_ID
}  // namespace control_id

// The main window's control by its row's name; 0 for a name no row has.
constexpr int ControlIdOf(std::string_view name) {
#define KP_CONTROL_ID_IF_NAMED(row, id, ...) \
    if (name == #row) {                      \
        return id;                           \
    }
    KP_PATROL_WINDOW_CONTROLS(KP_CONTROL_ID_IF_NAMED)
#undef KP_CONTROL_ID_IF_NAMED
    return 0;
}

#define KP_CONTROL_ID_OF(value, name) control_id::name,
// By Field.
inline constexpr std::array<int, kFieldCount> kFieldIds = {KP_FIELD_CONTROLS(KP_CONTROL_ID_OF)};
// By CheckBox.
inline constexpr std::array<int, kCheckBoxCount> kCheckBoxIds = {
    KP_CHECK_BOX_CONTROLS(KP_CONTROL_ID_OF)};
// By TankerChoice: the radio group, in its order.
inline constexpr std::array<int, kBaseButtonCount> kBaseButtonIds = {
    KP_BASE_BUTTON_CONTROLS(KP_CONTROL_ID_OF)};
#undef KP_CONTROL_ID_OF

}  // namespace kp
