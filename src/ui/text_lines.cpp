#include "ui/text_lines.h"

#include <cstddef>

namespace kp {
namespace {

bool BreaksAfter(char c) {
    return c == ' ' || c == '\\' || c == '/';
}

bool StartsCharacter(std::string_view text, std::size_t at) {
    return at == text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80;
}

std::string_view WithoutTrailingSpaces(std::string_view piece) {
    while (!piece.empty() && piece.back() == ' ') {
        piece.remove_suffix(1);
    }
    return piece;
}

// The end of the line that starts at `start`: the last break that fits, or
// else the last character that fits, and never less than one character.
std::size_t LineEnd(std::string_view text, std::size_t start, int width,
                    const MeasureText& measure) {
    std::size_t lastBreak = start;
    std::size_t lastCharacter = start;
    for (std::size_t end = start + 1; end <= text.size(); ++end) {
        if (!StartsCharacter(text, end)) {
            continue;
        }
        if (measure(WithoutTrailingSpaces(text.substr(start, end - start))) > width) {
            break;
        }
        lastCharacter = end;
        if (end == text.size() || BreaksAfter(text[end - 1])) {
            lastBreak = end;
        }
    }
    if (lastBreak > start) {
        return lastBreak;
    }
    if (lastCharacter > start) {
        return lastCharacter;
    }
    std::size_t one = start + 1;
    while (!StartsCharacter(text, one)) {
        ++one;
    }
    return one;
}

}  // namespace

std::vector<std::string> BreakIntoLines(std::string_view text, int width,
                                        const MeasureText& measure) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = LineEnd(text, start, width, measure);
        lines.emplace_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

}  // namespace kp
