// The program's one kind of message box: its name as caption, the
// exclamation icon, OK or OK and Cancel.
#pragma once

#include <windows.h>

#include <string>

#include "ui/dialog_controls.h"

namespace kp {

// Modal to `owner`, or to nothing when it is null (before the window opens).
MessageAnswer ShowProgramMessage(HWND owner, const std::string& text, MessageButtons buttons);

}  // namespace kp
