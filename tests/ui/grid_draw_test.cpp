// The dialog's patrol grid drawn for its boat, base and start year: the class
// a Type XXI sails as, the entry drawn, the mark of a drawn grid, and how
// many draws each step takes from the random source.
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
        dlg.facts.theater = boat.theater;
        dlg.m_nTankerChoice = boat.tanker;
        dlg.gridClass = boat.boatClass;
        dlg.read.next.startYear = boat.year;
        dlg.facts.seaStatus = boat.seaStatus;
        dlg.m_strPatrolArea = boat.area;
    }

    RandomSource random{1};
    CKelmarPatrol2Dlg dlg{SystemFileOps(), random};
};

TEST_F(Generator, TypeVIIInTheAtlanticIn1942DrawsDH33) {
    Set({}, 1);
    EXPECT_EQ(dlg.GeneratePatrolGrid(), 1);
    EXPECT_EQ(dlg.m_strPatrolArea, "DH33*");
    EXPECT_EQ(random.Next(), 6334);  // exactly two draws used
}

TEST_F(Generator, TypeXXIBecomesTypeIXAndDrawsEC69) {
    Set({.boatClass = BoatClass::kTypeXXI}, 1);
    EXPECT_EQ(dlg.GeneratePatrolGrid(), 1);
    EXPECT_EQ(dlg.gridClass, BoatClass::kTypeIX);
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
            EXPECT_EQ(dlg.gridClass, year == 1945 ? BoatClass::kTypeIX : expected1944[i])
                << tosses[i].what << " in " << year;
            EXPECT_EQ(random.Next(), DrawAfter(seed, 4)) << tosses[i].what << " in " << year;
        }
    }
}

TEST_F(Generator, ResolvedTypeXXIIsNotTossedAgain) {
    Set({.boatClass = BoatClass::kTypeXXI}, 1);
    dlg.GeneratePatrolGrid();
    const BoatClass settled = dlg.gridClass;
    dlg.GeneratePatrolGrid();
    EXPECT_EQ(dlg.gridClass, settled);
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
