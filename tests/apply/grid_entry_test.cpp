#include "apply/grid_entry.h"

#include <gtest/gtest.h>

namespace kp {
namespace {

struct GridCase {
    const char* typed;  // already upper-cased
    bool accepted;
    const char* written;  // after the leading zero is dropped; only for accepted entries
};

TEST(GridEntry, NormalisesWhatTheUserTyped) {
    const GridCase cases[] = {
        {"ES32", true, "ES32"},
        {"ES32*", true, "ES32"},  // a generated grid loses its mark
        {"ES32X", true, "ES32"},  // only four characters count
        {"ES3", true, "ES3"},     // a lone digit 0 to 3 stands for 03
        {"ES0", true, "ES0"},
        {"ES05", true, "ES5"},
        {"ES03", true, "ES3"},
        {"ES00", true, "ES0"},
        {"AM52", true, "AM52"},
        {"-", true, "NULL"},  // dashes mean no patrol area
        {"--", true, "NULL"},
        {"---", true, "NULL"},
        {"----", true, "NULL"},
        {"----*", true, "NULL"},
        {"ES5", false, ""},  // 4 to 9 get no help
        {"ES9", false, ""},
        {"NULL", false, ""},  // typed, it is no grid
        {"E", false, ""},
        {"ES", false, ""},
        {"1S32", false, ""},
        {"E532", false, ""},
        {"ES3A", false, ""},
        {"ES-3", false, ""},
        {"-S32", false, ""},
        {"\xC3\x84S32", false, ""},  // bytes above 0x7F fail every range
        {"ES\xB3"
         "2",
         false, ""},
    };
    for (const GridCase& c : cases) {
        std::string grid = c.typed;
        const bool accepted = NormalizeGridEntry(grid);
        EXPECT_EQ(accepted, c.accepted) << c.typed;
        if (accepted) {
            DropLeadingZero(grid);
            EXPECT_EQ(grid, c.written) << c.typed;
        }
    }
}

TEST(GridEntry, NullAndThreeCharacterGridsKeepTheirShape) {
    for (std::string grid : {"NULL", "ES5", "AM52"}) {
        const std::string before = grid;
        DropLeadingZero(grid);
        EXPECT_EQ(grid, before);
    }
}

}  // namespace
}  // namespace kp
