// Text the program gave a window's control: what the control shows, and the
// bytes it was given. Bytes that are no UTF-8 cannot be shown as they are, yet
// they fill fields and name files, so they come back whole while the user
// leaves them. Each window instantiates it with its own text type and the two
// conversions between that type and UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace kp {

template <typename Shown, auto toShown, auto toUtf8>
struct BasicProgramText {
    Shown shown;
    std::string bytes;

    static BasicProgramText Of(std::string_view given) {
        return {toShown(given), std::string(given)};
    }

    // The bytes given while `now` is still what was shown, else `now` in UTF-8.
    std::string Back(const Shown& now) const { return now == shown ? bytes : toUtf8(now); }
};

}  // namespace kp
