#include "ui/text_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kp {
namespace {

// One unit a character, however many bytes it takes.
int Characters(std::string_view text) {
    int count = 0;
    for (const char c : text) {
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

TEST(TextLinesTest, LinesBreakAfterSpacesAndSeparatorsAndWithinAPieceOnlyWhenItIsWiderThanTheLine) {
    const struct {
        std::string text;
        int width;
        std::vector<std::string> lines;
    } cases[] = {
        {"Undo: right click, or Ctrl+Alt+Z.", 14, {"Undo: right ", "click, or ", "Ctrl+Alt+Z."}},
        {"C:\\users\\root\\Documents\\Kelmar\\cfg",
         15,
         {"C:\\users\\root\\", "Documents\\", "Kelmar\\cfg"}},
        {"/home/compatdata/1234567/pfx", 8, {"/home/", "compatda", "ta/", "1234567/", "pfx"}},
        {"Müller", 2, {"Mü", "ll", "er"}},
        {"short", 40, {"short"}},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> lines = BreakIntoLines(c.text, c.width, Characters);
        EXPECT_EQ(lines, c.lines) << c.text;
    }
}

}  // namespace
}  // namespace kp
