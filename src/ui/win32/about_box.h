// The About box, dialog template 100: the icon, the version line and OK, and
// below the version line the configuration folder in use.
#pragma once

#include <windows.h>

#include <string>

namespace kp {

// Modal to `owner` until OK, Esc or the close box ends it; `cfgPath` in
// UTF-8; laid out at `dpi`, the owner's.
void ShowAboutBox(HWND owner, const std::string& cfgPath, UINT dpi);

}  // namespace kp
