// Every text the program can put into each field of the main window, made
// from the tables that produce them, so that the window can give each field
// room for its widest.
#pragma once

#include <string>
#include <vector>

#include "ui/dialog_controls.h"

namespace kp {

std::vector<std::string> TextsShownIn(Field field);

}  // namespace kp
