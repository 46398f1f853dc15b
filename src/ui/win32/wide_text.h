// The program holds text as UTF-8; Windows' wide-character calls take UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace kp {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

// Text the program gave a control: what the control shows, and the bytes it
// was given. Bytes that are no UTF-8 cannot be shown as they are, yet they
// fill fields and name files, so they come back whole while the user leaves them.
struct ProgramText {
    std::wstring shown;
    std::string bytes;

    static ProgramText Of(std::string_view bytes) { return {Wide(bytes), std::string(bytes)}; }

    // The bytes given while `now` is still what was shown, else `now` in UTF-8.
    std::string Back(std::wstring_view now) const { return now == shown ? bytes : Utf8(now); }
};

}  // namespace kp
