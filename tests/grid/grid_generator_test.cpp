#include "grid/grid_generator.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "career/codes.h"
#include "grid/grid_tables.h"
#include "grid/random_source.h"
#include "ui/patrol_dialog.h"

namespace kp {
namespace {

// The first seed whose draw number `n` (counted from 1) satisfies `wanted`.
std::uint32_t SeedWhere(int n, const std::function<bool(int)>& wanted) {
    for (std::uint32_t seed = 1; seed < 50'000'000u; ++seed) {
        RandomSource random(seed);
        int r = 0;
        for (int i = 0; i < n; ++i) {
            r = random.Next();
        }
        if (wanted(r)) {
            return seed;
        }
    }
    ADD_FAILURE() << "no seed found";
    return 1;
}

// The draw that follows `used` draws from `seed`.
int DrawAfter(std::uint32_t seed, int used) {
    RandomSource random(seed);
    for (int i = 0; i < used; ++i) {
        random.Next();
    }
    return random.Next();
}

struct Boat {
    Theater theater = Theater::kAtlantic;
    TankerChoice tanker = TankerChoice::kLandBase;
    BoatClass boatClass = BoatClass::kTypeVII;
    int year = 1942;
    SeaStatus seaStatus = SeaStatus::kAtSea;
    std::string area = "NULL";
};

class Generator : public ::testing::Test {
  protected:
    void Set(const Boat& boat, std::uint32_t seed) {
        random.Seed(seed);
        dlg.m_nTheater = boat.theater;
        dlg.m_nTankerChoice = boat.tanker;
        dlg.m_nBoatClass = boat.boatClass;
        dlg.m_nStartYear = boat.year;
        dlg.m_nSeaStatus = boat.seaStatus;
        dlg.m_strPatrolArea = boat.area;
    }

    RandomSource random{1};
    CKelmarPatrol2Dlg dlg{SystemFileOps(), random};
};

struct SelectionCase {
    int theater;
    int tanker;
    int boatClass;
    int year;
    const int* list;
    const char* listName;
};

#define LIST(name) name, #name

TEST(SelectGridList, FirstMatchingRowGivesTheList) {
    const SelectionCase cases[] = {
        // Theater 3 wins over everything.
        {3, 0, 1, 1942, LIST(GridsTheater3)},
        {3, 3, -1, 1930, LIST(GridsTheater3)},
        {3, 1, 2, 1943, LIST(GridsTheater3)},
        // The south tanker over every boat class.
        {0, 3, 1, 1942, LIST(GridsTankerSouth)},
        {1, 3, -1, 1942, LIST(GridsTankerSouth)},
        {2, 3, 0, 1939, LIST(GridsTankerSouth)},
        {-1, 3, 5, 1950, LIST(GridsTankerSouth)},
        // Type II; the north and mid tankers change nothing.
        {0, 0, 0, 1939, LIST(GridsTypeIITheater0or2Y1939To1940)},
        {2, 1, 0, 1940, LIST(GridsTypeIITheater0or2Y1939To1940)},
        {0, 2, 0, 1940, LIST(GridsTypeIITheater0or2Y1939To1940)},
        {2, -1, 0, 1939, LIST(GridsTypeIITheater0or2Y1939To1940)},
        {0, 0, 0, 1941, LIST(GridsTypeIITheater0or2Y1941To1944)},
        {2, 2, 0, 1944, LIST(GridsTypeIITheater0or2Y1941To1944)},
        {0, 0, 0, 1938, LIST(GridsTypeIITheater0or2OtherYears)},
        {2, 1, 0, 1945, LIST(GridsTypeIITheater0or2OtherYears)},
        {1, 0, 0, 1930, LIST(GridsTypeIITheater1)},
        {1, 2, 0, 1942, LIST(GridsTypeIITheater1)},
        {1, 1, 0, 1950, LIST(GridsTypeIITheater1)},
        // Type VII.
        {0, 1, 1, 1942, LIST(GridsTypeVIITankerNorth)},
        {1, 1, 1, 1939, LIST(GridsTypeVIITankerNorth)},
        {7, 1, 1, 1942, LIST(GridsTypeVIITankerNorth)},
        {1, 2, 1, 1943, LIST(GridsTypeVIITankerMid)},
        {-1, 2, 1, 1950, LIST(GridsTypeVIITankerMid)},
        {0, 0, 1, 1939, LIST(GridsTypeVIITheater0or2Y1939To1940)},
        {2, -1, 1, 1940, LIST(GridsTypeVIITheater0or2Y1939To1940)},
        {0, 4, 1, 1939, LIST(GridsTypeVIITheater0or2Y1939To1940)},
        {0, 0, 1, 1945, LIST(GridsTypeVII1945)},
        {2, 0, 1, 1945, LIST(GridsTypeVII1945)},
        {0, 0, 1, 1941, LIST(GridsTypeVIITheater0or2Main)},
        {2, 0, 1, 1944, LIST(GridsTypeVIITheater0or2Main)},
        {0, 0, 1, 1938, LIST(GridsTypeVIITheater0or2Main)},
        {0, 0, 1, 1946, LIST(GridsTypeVIITheater0or2Main)},
        {1, 0, 1, 1939, LIST(GridsTypeVIITheater1Main)},
        {1, 0, 1, 1940, LIST(GridsTypeVIITheater1Main)},
        {1, 0, 1, 1941, LIST(GridsTypeVIITheater1Main)},
        {1, -1, 1, 1943, LIST(GridsTypeVIITheater1Main)},
        {1, 0, 1, 1942, LIST(GridsTypeVIITheater1Y1942)},
        {1, 0, 1, 1944, LIST(GridsTypeVIITheater1Y1944)},
        {1, 0, 1, 1938, LIST(GridsTypeVII1945)},
        {1, 0, 1, 1945, LIST(GridsTypeVII1945)},
        // Type IX.
        {0, 1, 2, 1942, LIST(GridsTypeIXTankerNorth)},
        {1, 1, 2, 1944, LIST(GridsTypeIXTankerNorth)},
        {2, 2, 2, 1941, LIST(GridsTypeIXTankerMid)},
        {1, 2, 2, 1945, LIST(GridsTypeIXTankerMid)},
        {0, 0, 2, 1939, LIST(GridsTypeIXTheater0or2Y1939To1943)},
        {2, 0, 2, 1943, LIST(GridsTypeIXTheater0or2Y1939To1943)},
        {0, 0, 2, 1938, LIST(GridsTypeIXTheater0or2OtherYears)},
        {2, 0, 2, 1944, LIST(GridsTypeIXTheater0or2OtherYears)},
        {1, 0, 2, 1939, LIST(GridsTypeIXTheater1Y1939To1941)},
        {1, 0, 2, 1941, LIST(GridsTypeIXTheater1Y1939To1941)},
        {1, 0, 2, 1942, LIST(GridsTypeIXTheater1Y1942)},
        {1, 0, 2, 1943, LIST(GridsTypeIXTheater1Y1943To1944)},
        {1, 0, 2, 1944, LIST(GridsTypeIXTheater1Y1943To1944)},
        {1, 0, 2, 1938, LIST(GridsTypeIXTheater1OtherYears)},
        {1, 0, 2, 1945, LIST(GridsTypeIXTheater1OtherYears)},
        // Type IXD2, at every base outside the Mediterranean.
        {0, 0, 3, 1939, LIST(GridsTypeIXD2Y1939To1944)},
        {1, 1, 3, 1944, LIST(GridsTypeIXD2Y1939To1944)},
        {-1, 2, 3, 1940, LIST(GridsTypeIXD2Y1939To1944)},
        {1, 0, 3, 1938, LIST(GridsTypeIXD2OtherYears)},
        {0, 2, 3, 1945, LIST(GridsTypeIXD2OtherYears)},
        // Type XXIII.
        {0, 0, 5, 1945, LIST(GridsTypeIITheater0or2OtherYears)},
        {1, 1, 5, 1939, LIST(GridsTypeIITheater0or2OtherYears)},
        {-1, -1, 5, 1942, LIST(GridsTypeIITheater0or2OtherYears)},
    };
    for (const SelectionCase& c : cases) {
        EXPECT_EQ(SelectGridList(Theater{c.theater}, TankerChoice{c.tanker}, BoatClass{c.boatClass},
                                 c.year),
                  c.list)
            << "theater " << c.theater << ", tanker " << c.tanker << ", class " << c.boatClass
            << ", " << c.year << ": want " << c.listName;
    }
}

#undef LIST

TEST(SelectGridList, NoListForAnUnknownBoatOrBase) {
    const int none[][4] = {
        {-1, 0, 0, 1942}, {4, 0, 0, 1942}, {4, 1, 0, 1942},  {-1, 0, 1, 1942},
        {5, -1, 2, 1942}, {9, 0, 1, 1939}, {0, 0, -1, 1942}, {1, 1, -1, 1942},
        {1, 0, 4, 1942},  {1, 0, 6, 1942}, {2, 2, 7, 1942},
    };
    for (const auto& c : none) {
        EXPECT_EQ(SelectGridList(Theater{c[0]}, TankerChoice{c[1]}, BoatClass{c[2]}, c[3]), nullptr)
            << "theater " << c[0] << ", tanker " << c[1] << ", class " << c[2];
    }
}

TEST_F(Generator, TypeVIIInTheAtlanticIn1942DrawsDH33) {
    Set({}, 1);
    EXPECT_EQ(dlg.GeneratePatrolGrid(), 1);
    EXPECT_EQ(dlg.m_strPatrolArea, "DH33*");
    EXPECT_EQ(random.Next(), 6334);  // exactly two draws used
}

TEST_F(Generator, TypeXXIBecomesTypeIXAndDrawsEC69) {
    Set({.boatClass = BoatClass::kTypeXXI}, 1);
    EXPECT_EQ(dlg.GeneratePatrolGrid(), 1);
    EXPECT_EQ(dlg.m_nBoatClass, BoatClass::kTypeIX);
    EXPECT_EQ(dlg.m_strPatrolArea, "EC69*");
    EXPECT_EQ(random.Next(), DrawAfter(1, 4));
}

TEST_F(Generator, TypeXXITossDecidesTheClassOutside1945) {
    struct Toss {
        const char* what;
        std::function<bool(int)> second;
    };
    const Toss tosses[] = {
        {"t = 0", [](int r) { return r <= 16383; }},
        {"t = 1", [](int r) { return r >= 16384 && r <= 32766; }},
        {"t = 2", [](int r) { return r == 32767; }},
    };
    const BoatClass expected1944[] = {BoatClass::kTypeVII, BoatClass::kTypeIX, BoatClass::kTypeVII};
    for (int i = 0; i < 3; ++i) {
        const std::uint32_t seed = SeedWhere(2, tosses[i].second);
        for (const int year : {1944, 1945}) {
            Set({.boatClass = BoatClass::kTypeXXI, .year = year}, seed);
            dlg.GeneratePatrolGrid();
            EXPECT_EQ(dlg.m_nBoatClass, year == 1945 ? BoatClass::kTypeIX : expected1944[i])
                << tosses[i].what << " in " << year;
            EXPECT_EQ(random.Next(), DrawAfter(seed, 4)) << tosses[i].what << " in " << year;
        }
    }
}

TEST_F(Generator, ResolvedTypeXXIIsNotTossedAgain) {
    Set({.boatClass = BoatClass::kTypeXXI}, 1);
    dlg.GeneratePatrolGrid();
    const BoatClass settled = dlg.m_nBoatClass;
    dlg.GeneratePatrolGrid();
    EXPECT_EQ(dlg.m_nBoatClass, settled);
    EXPECT_EQ(random.Next(), DrawAfter(1, 6));
}

TEST_F(Generator, DecidingDrawPicksThePosition) {
    struct Landing {
        const char* what;
        Boat boat;
        std::function<bool(int)> second;
        const char* grid;
    };
    const Boat y1944{.year = 1944};
    const Landing landings[] = {
        // 32767 scales to the count, one past the last entry.
        {"top draw", {}, [](int r) { return r == 32767; }, "AL38*"},
        {"last position", {}, [](int r) { return r >= 31278 && r < 32767; }, "AM18*"},
        // Position 61 of 73 holds 1324, which names no grid.
        {"no grid", y1944, [](int r) { return r >= 27381 && r <= 27829; }, "BF17*"},
        {"after no grid", y1944, [](int r) { return r >= 27830 && r <= 28278; }, "BE67*"},
        {"before no grid", y1944, [](int r) { return r >= 26932 && r <= 27380; }, "AM72*"},
    };
    for (const Landing& l : landings) {
        Set(l.boat, SeedWhere(2, l.second));
        EXPECT_EQ(dlg.GeneratePatrolGrid(), 1) << l.what;
        EXPECT_EQ(dlg.m_strPatrolArea, l.grid) << l.what;
    }
}

TEST_F(Generator, BoatAtBaseGetsDashesAfterTheDraws) {
    Set({.seaStatus = SeaStatus::kAtBase}, 1);
    EXPECT_EQ(dlg.GeneratePatrolGrid(), 1);
    EXPECT_EQ(dlg.m_strPatrolArea, "----");
    EXPECT_EQ(random.Next(), 6334);
}

TEST_F(Generator, WithoutAListTheAreaStays) {
    struct Case {
        std::string area;
        SeaStatus seaStatus;
        int result;
        std::string after;
    };
    const Case cases[] = {
        {"NULL", SeaStatus::kAtSea, 0, "NULL"},   {"NULL", SeaStatus::kAtBase, 0, "NULL"},
        {"GR89*", SeaStatus::kAtSea, 1, "GR89*"},  // one mark is enough
        {"AB12", SeaStatus::kAtSea, 1, "AB12*"},  {"-1", SeaStatus::kAtHomeBase, 1, "-1*"},
        {"GR89*", SeaStatus::kAtBase, 1, "----"},
    };
    for (const Case& c : cases) {
        Set({.boatClass = BoatClass::kUnknown, .seaStatus = c.seaStatus, .area = c.area}, 1);
        EXPECT_EQ(dlg.GeneratePatrolGrid(), c.result) << c.area;
        EXPECT_EQ(dlg.m_strPatrolArea, c.after) << c.area;
        EXPECT_EQ(random.Next(), 41) << c.area << ": nothing may be drawn";
    }
}

TEST_F(Generator, SouthTankerServesAnUnknownBoat) {
    Set({.theater = Theater::kNorthSea,
         .tanker = TankerChoice::kSouth,
         .boatClass = BoatClass::kUnknown},
        1);
    EXPECT_EQ(dlg.GeneratePatrolGrid(), 1);
    EXPECT_EQ(dlg.m_strPatrolArea, "GR83*");  // 18467 of 6 is position 3
}

TEST_F(Generator, PickGridFromListLeavesTheBareName) {
    random.Seed(1);
    dlg.PickGridFromList(GridsTypeVIITheater1Y1942);
    EXPECT_EQ(dlg.m_strPatrolArea, "DH33");
    // An entry outside the table turns into the list's first grid.
    const int odd[] = {2, 5000, 0};
    random.Seed(SeedWhere(2, [](int r) { return r >= 16384 && r < 32767; }));
    dlg.PickGridFromList(odd);
    EXPECT_EQ(dlg.m_strPatrolArea, "BF17");
}

}  // namespace
}  // namespace kp
