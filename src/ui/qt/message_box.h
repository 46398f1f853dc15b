// The one door every message box of the program goes through: the program
// file's name without its extension as caption, the exclamation icon, OK or
// OK and Cancel.
#pragma once

#include <string>

#include "ui/dialog_controls.h"

class QWidget;

namespace kp {

// Shows the box modally and returns the answer. Esc and the close box
// answer Cancel where the box has it, OK where OK is all it has.
MessageAnswer ShowProgramMessage(QWidget* parent, const std::string& text, MessageButtons buttons);

}  // namespace kp
