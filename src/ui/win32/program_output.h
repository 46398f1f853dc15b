// Where a windowed program's --help, --version and usage errors go: to the
// standard stream when it leads somewhere (redirected, or a Unix terminal
// under Wine), else to the console the program was started from, else, when
// started from Explorer, into a message box.
#pragma once

#include <string>

namespace kp {

enum class OutputStream { Out, Error };

void TellUser(const std::string& text, OutputStream stream);

}  // namespace kp
