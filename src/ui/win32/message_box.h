// The program's one kind of message box: its file's name without the
// extension as caption, the exclamation icon, OK or OK and Cancel.
#pragma once

#include <windows.h>

#include <string>

#include "ui/dialog_controls.h"

namespace kp {

// The program file's name without its extension, as the file is named now.
std::wstring MessageCaption();

// Modal to `owner`, or to nothing when it is null (before the window opens).
MessageAnswer ShowProgramMessage(HWND owner, const std::string& text, MessageButtons buttons);

}  // namespace kp
