#include "apply/return_date.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

namespace kp {
namespace {

// A seed whose first draw is `draw`.
std::uint32_t SeedForFirstDraw(int draw) {
    for (std::uint32_t seed = 0;; ++seed) {
        RandomSource probe(seed);
        if (probe.Next() == draw) {
            return seed;
        }
    }
}

struct ShiftCase {
    WorkingDate end;
    int firstDraw;
    WorkingDate written;
};

TEST(ReturnDate, MovesTheEndDateByTheDaysInPortAndTheDraw) {
    const ShiftCase cases[] = {
        {{15, 6, 1942}, 0, {16, 5, 1942}},     {{30, 6, 1942}, 0, {1, 6, 1942}},
        {{31, 12, 1942}, 0, {1, 12, 1942}},    {{10, 1, 1943}, 0, {11, 12, 1942}},
        {{29, 3, 1943}, 0, {2, 3, 1943}},      {{28, 2, 1943}, 0, {1, 2, 1943}},
        {{27, 2, 1943}, 32767, {2, 2, 1943}},  // the one draw that adds two days
        {{15, 6, 1942}, 16383, {16, 5, 1942}}, {{15, 6, 1942}, 16384, {17, 5, 1942}},
    };
    for (const ShiftCase& c : cases) {
        RandomSource random(SeedForFirstDraw(c.firstDraw));
        WorkingDate date = c.end;
        ShiftReturnDate(date, 1, random);
        EXPECT_EQ(date.day, c.written.day) << c.end.day << "." << c.end.month << "." << c.end.year;
        EXPECT_EQ(date.month, c.written.month) << c.end.day << "." << c.end.month;
        EXPECT_EQ(date.year, c.written.year) << c.end.day << "." << c.end.month;
    }
}

TEST(ReturnDate, ValuesAtTheEdgeOfWhatFilesHoldDoNotOverflow) {
    RandomSource random(SeedForFirstDraw(0));
    WorkingDate huge{INT_MAX, 5, 1942};
    ShiftReturnDate(huge, 1, random);
    // The steps run as for any day past its month's end, without overflowing.
    EXPECT_EQ(huge.day, INT_MAX + 1LL - 31 - 31);
    EXPECT_EQ(huge.month, 6);

    random.Seed(SeedForFirstDraw(0));
    WorkingDate lastYear{31, 12, INT_MAX};
    ShiftReturnDate(lastYear, 1, random);
    EXPECT_EQ(lastYear.day, 1);
    EXPECT_EQ(lastYear.month, 12);
    EXPECT_EQ(lastYear.year, INT_MAX);
}

TEST(ReturnDate, AMonthOutsideTheYearStaysUnmovedButStillDraws) {
    for (const int month : {-1, 0, 13}) {
        RandomSource random(1);
        WorkingDate date{12, month, 1942};
        ShiftReturnDate(date, 1, random);
        EXPECT_EQ(date.day, 12);
        EXPECT_EQ(date.month, month);
        EXPECT_EQ(date.year, 1942);
        EXPECT_EQ(random.Next(), 18467) << "the draw for the extra days was made";
    }
}

}  // namespace
}  // namespace kp
