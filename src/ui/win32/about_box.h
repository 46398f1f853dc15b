// The About box, dialog template 100: the icon, the version line and OK.
#pragma once

#include <windows.h>

namespace kp {

// Modal to `owner` until OK, Esc or the close box ends it.
void ShowAboutBox(HWND owner);

}  // namespace kp
