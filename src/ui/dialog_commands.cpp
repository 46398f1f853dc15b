#include "ui/dialog_commands.h"

namespace kp {

void RunCommand(CKelmarPatrol2Dlg& dialog, const DialogCommand& command) {
    (dialog.*command.handler)();
}

}  // namespace kp
