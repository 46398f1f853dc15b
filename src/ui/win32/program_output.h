// Where a windowed program's --help, --version and usage errors go: to the
// standard stream when it leads somewhere (redirected, or a Unix terminal
// under Wine), else to the console the program was started from, else, when
// started from Explorer, into a message box.
#pragma once

#include <string>

namespace kp {

enum class OutputStream { Out, Error };

// `text` for a stream or console, `boxText` laid out for a box, which breaks
// its lines itself.
void TellUser(const std::string& text, const std::string& boxText, OutputStream stream);

}  // namespace kp
