// A text broken into lines no wider than a width, for a label that shows it
// whole however long it is: a path (which seldom has a space) or a sentence.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kp {

// The width a front end draws a piece of UTF-8 text in, in its own font.
using MeasureText = std::function<int(std::string_view)>;

// Lines break after a space or a path's separator, as late as the width
// allows (a line's closing spaces take no room); only a piece wider than the
// whole line is broken elsewhere, between two characters. So "Ctrl+Alt+Z."
// stays on one line, a path keeps each folder's name whole where it can, and
// the lines joined are the text again.
std::vector<std::string> BreakIntoLines(std::string_view text, int width,
                                        const MeasureText& measure);

}  // namespace kp
