// The table of commands: each control that runs a handler of the dialog
// model, by its row's name in the layout, with that handler. Both windows
// connect their controls from it, and the scenario runner presses through it.
#pragma once

#include <array>
#include <string_view>

#include "ui/model_control_rows.h"
#include "ui/patrol_dialog.h"
#include "ui/window_layout.h"

namespace kp {

using DialogHandler = void (CKelmarPatrol2Dlg::*)();

struct DialogCommand {
    std::string_view control;  // its row's name in src/ui/window_layout.h
    DialogHandler handler;
};

#define KP_DIALOG_COMMAND(control, handler) DialogCommand{#control, &CKelmarPatrol2Dlg::handler},
inline constexpr std::array kDialogCommands = {KP_DIALOG_COMMANDS(KP_DIALOG_COMMAND)};
#undef KP_DIALOG_COMMAND

// The handler the control runs; none for a control that runs no command.
constexpr DialogHandler HandlerOf(std::string_view control) {
    for (const DialogCommand& command : kDialogCommands) {
        if (command.control == control) {
            return command.handler;
        }
    }
    return nullptr;
}

// Runs the command's handler on the dialog.
void RunCommand(CKelmarPatrol2Dlg& dialog, const DialogCommand& command);

#define KP_ROW_NAME_OF(value, name) std::string_view(#name),
// The base buttons' rows, by TankerChoice, and the check boxes', by CheckBox.
inline constexpr std::array<std::string_view, kBaseButtonCount> kBaseButtonRows = {
    KP_BASE_BUTTON_CONTROLS(KP_ROW_NAME_OF)};
inline constexpr std::array<std::string_view, kCheckBoxCount> kCheckBoxRows = {
    KP_CHECK_BOX_CONTROLS(KP_ROW_NAME_OF)};
#undef KP_ROW_NAME_OF

}  // namespace kp
