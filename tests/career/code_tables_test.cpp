#include "career/code_tables.h"

#include <gtest/gtest.h>

#include <climits>

namespace kp {
namespace {

TEST(LookUpBoat, TypeAndClassBySubTypeAndVersion) {
    const struct {
        int subType;
        int subVersion;
        const char* type;
        int boatClass;
    } cases[] = {
        {0, 0, "Type IIA", 0},
        {0, 1, "Type IID", 0},
        {0, 2, "Type II-X", 0},
        {0, -1, "Type II-X", 0},
        {1, 0, "Type VIIB", 1},
        {1, 1, "Type VIIC", 1},
        {1, 2, "Type VIIC/41", 1},
        {1, 3, "Type VII-X", 1},
        {1, -1, "Type VII-X", 1},
        {2, 0, "Type IXB", 2},
        {2, 1, "Type IXC", 2},
        {2, 2, "Type IXC/40", 2},
        {2, 3, "Type IXD2", 3},
        {2, 4, "Type IX-X", 2},
        {2, -1, "Type IX-X", 2},
        {3, 0, "Type XXI", 4},
        {3, 1, "Type XXI-X", 4},
        {3, -1, "Type XXI-X", 4},
        {-1, 0, "Type Unknown", -1},
        {-1, -1, "Type Unknown", -1},
        {4, 0, "Type Unknown", -1},
        {4, 1, "Type Unknown", -1},
        {INT_MIN, 0, "Type Unknown", -1},
        {INT_MAX, 3, "Type Unknown", -1},
    };
    for (const auto& c : cases) {
        const BoatInfo boat = LookUpBoat(c.subType, c.subVersion);
        EXPECT_EQ(boat.type, c.type) << c.subType << "/" << c.subVersion;
        EXPECT_EQ(CodeOf(boat.boatClass), c.boatClass) << c.subType << "/" << c.subVersion;
    }
}

TEST(LookUpBase, NameAndTheaterByCode) {
    const struct {
        int code;
        const char* name;
        int theater;
    } cases[] = {
        {750, "Kiel", 0},      {751, "Brest", 1},       {752, "Wilhelmshafen", 0},
        {753, "Lorient", 1},   {754, "St. Nazaire", 1}, {755, "Bergen", 2},
        {756, "Bordeaux", 1},  {757, "La Spezia", 3},   {758, "Toulon", 3},
        {759, "Flensburg", 1}, {749, "Unknown", 2},     {761, "Unknown", 2},
        {-1, "Unknown", 2},    {0, "Unknown", 2},       {INT_MIN, "Unknown", 2},
    };
    for (const auto& c : cases) {
        // The end date matters only to base 760.
        for (const int year : {1944, 1945, -1}) {
            const BaseInfo base = LookUpBase(c.code, {year, 10});
            EXPECT_EQ(base.name, c.name) << c.code;
            EXPECT_EQ(CodeOf(base.theater), c.theater) << c.code;
            EXPECT_FALSE(IsStavanger(c.code, {year, 10})) << c.code;
        }
    }
}

TEST(LookUpBase, Base760MovesToStavangerLateIn1944) {
    const struct {
        int year;
        int month;
        bool stavanger;
    } cases[] = {
        {1944, 9, true},  {1944, 12, true}, {1944, 13, true},  {1945, 1, true},   {1945, -1, true},
        {1945, 12, true}, {1944, 8, false}, {1944, -1, false}, {1943, 12, false}, {1946, 1, false},
        {1946, 9, false}, {-1, -1, false},  {-1, 10, false},   {1940, 10, false},
    };
    for (const auto& c : cases) {
        const BaseInfo base = LookUpBase(760, {c.year, c.month});
        EXPECT_EQ(IsStavanger(760, {c.year, c.month}), c.stavanger) << c.year << "/" << c.month;
        EXPECT_EQ(base.name, c.stavanger ? "Stavanger" : "LaRochelle") << c.year << "/" << c.month;
        EXPECT_EQ(base.theater, c.stavanger ? Theater::kNorway : Theater::kAtlantic)
            << c.year << "/" << c.month;
    }
}

TEST(MonthName, EnglishNamesAndUnknown) {
    const char* const names[] = {"January",   "February", "March",    "April",
                                 "May",       "June",     "July",     "August",
                                 "September", "October",  "November", "December"};
    for (int month = 1; month <= 12; ++month) {
        EXPECT_EQ(MonthName(month), names[month - 1]) << month;
    }
    for (const int month : {0, 13, -1, INT_MIN, INT_MAX}) {
        EXPECT_EQ(MonthName(month), "Unknown") << month;
    }
    EXPECT_EQ(kTypeXXIIIName, "Type XXIII");
}

}  // namespace
}  // namespace kp
