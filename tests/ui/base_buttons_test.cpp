// The four base buttons: the base decision put into the dialog state before
// its message, then shown, and a grid drawn for a base that stands.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "career/codes.h"
#include "career_fixture.h"
#include "career_texts.h"
#include "dialog_fixture.h"
#include "grid/grid_tables.h"

namespace kp {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kChooseCareer = "Please choose a career.";
constexpr std::string_view kHomeBase = "Cannot be a U-tanker at Home Base!";
constexpr std::string_view kNorthWindow =
    "You cannot use an Ocean Tanker here\n (1941 (Spain) or April 1942 - June 1943 only).";
constexpr std::string_view kMidWindow =
    "You cannot use an Ocean Tanker here\n (August 1942 - April 1944 only).";
constexpr std::string_view kSouthWindow =
    "You cannot use an Ocean Tanker here\n (Sept 1942 - March 1944 only).";

// A Type VIIC at Lorient; `area` is the next patrol's.
std::string NextPatrol(const std::string& area, const std::string& subType = "1") {
    return NextPatrolText("EndLocation=753\nSubType=" + subType + "\nSubVersion=1\nPatrolArea=" +
                              area + "\nStartYear=1942\nStartMonth=5\n",
                          1);
}

bool InList(const int* list, const std::string& grid) {
    if (grid.size() != 5 || grid[4] != '*') {
        return false;
    }
    for (const int* p = list; *p != 0; ++p) {
        if (*p < kPatrolGridTableSize && GridName(*p) == grid.substr(0, 4)) {
            return true;
        }
    }
    return false;
}

class BaseButtons : public ::testing::Test, protected DialogFixture {
  protected:
    void SetUp() override {
        const std::string history = HistoryText("EndYear=1942\nEndMonth=3\nEndDay=1\n", 1);
        WriteCareer(dir.Path(), "home", NextPatrol("BF17"), history);
        WriteCareer(dir.Path(), "sea", NextPatrol("BF17"), history);
        WriteFile(dir.Path() / "careers" / "sea" / "1" / "s.psc", Crlf("PatrolArea=CA53\n"));
        WriteCareer(dir.Path(), "base", NextPatrol("NULL"), history);
        WriteCareer(dir.Path(), "empty-area", NextPatrol(""), history);
        WriteCareer(dir.Path(), "unknown-boat", NextPatrol("NULL", "9"), history);
        fs::create_directories(dir.Path() / "careers" / "broken");
        ASSERT_TRUE(Open(dir.Path()));
    }

    ScratchFolder dir;
};

TEST_F(BaseButtons, EveryButtonNeedsALoadedCareer) {
    controls.TypeGrid("AB12");
    dlg.UpdateData(true);  // a typed grid is no career
    for (int button = 0; button < 4; ++button) {
        Click(button);
        ASSERT_EQ(controls.Messages().size(), static_cast<std::size_t>(button + 1));
        EXPECT_EQ(controls.Messages().back(), kChooseCareer) << button;
        EXPECT_EQ(dlg.m_nTankerChoice, TankerChoice::kLandBase) << button;
        EXPECT_EQ(dlg.m_nDaysInPort, 31) << button;
        EXPECT_EQ(dlg.m_strGrid, "AB12") << button;
        EXPECT_EQ(controls.RadioIndex(), button) << button << ": the window is not refreshed";
    }
    EXPECT_EQ(random.Next(), 41);
}

TEST_F(BaseButtons, FailedLoadMeansNoCareerButAnEmptyAreaIsLoaded) {
    Select("sea");
    ASSERT_TRUE(dlg.CareerLoaded());
    Select("broken");
    ASSERT_FALSE(dlg.CareerLoaded());
    ASSERT_EQ(controls.Messages().size(), 1u);
    controls.TypeGrid("AB12");
    dlg.UpdateData(true);
    for (int button = 0; button < 4; ++button) {
        Click(button);
        ASSERT_EQ(controls.Messages().size(), static_cast<std::size_t>(button + 2));
        EXPECT_EQ(controls.Messages().back(), kChooseCareer) << button;
    }
    // "PatrolArea=" with nothing after it loads an empty grid; the career is
    // loaded all the same, and the land base draws it a grid.
    Select("empty-area");
    ASSERT_TRUE(dlg.CareerLoaded());
    ASSERT_EQ(dlg.m_strGrid, "");
    Click(0);
    EXPECT_EQ(controls.Messages().size(), 5u);
    EXPECT_TRUE(InList(GridsTypeVIITheater1Y1942, dlg.m_strGrid)) << dlg.m_strGrid;
}

TEST_F(BaseButtons, ATankerThatStandsDrawsFromItsListAndARefusedOneDrawsNothing) {
    const struct {
        int button;
        int year;
        int month;
        const std::string_view* refusal;  // nullptr: the tanker stands
    } cases[] = {
        {1, 1941, 1, nullptr},     {1, 1942, 1, &kNorthWindow}, {2, 1942, 8, nullptr},
        {2, 1942, 7, &kMidWindow}, {3, 1942, 9, nullptr},       {3, 1942, 8, &kSouthWindow},
    };
    const int* const lists[] = {nullptr, GridsTypeVIITankerNorth, GridsTypeVIITankerMid,
                                GridsTankerSouth};
    Select("sea");
    ASSERT_EQ(dlg.facts.seaStatus, SeaStatus::kAtSea);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.button) + " in " + std::to_string(c.month) + "/" +
                     std::to_string(c.year));
        dlg.read.next.startYear = c.year;
        dlg.read.next.startMonth = c.month;
        dlg.m_strGrid = dlg.m_strPatrolArea = "BF17";
        dlg.m_nDaysInPort = 31;
        dlg.m_nTankerChoice = TankerChoice::kLandBase;
        random.Seed(1);
        const std::size_t messages = controls.Messages().size();
        Click(c.button);
        if (c.refusal == nullptr) {
            EXPECT_EQ(controls.Messages().size(), messages);
            EXPECT_EQ(dlg.m_nDaysInPort, 1);
            EXPECT_EQ(CodeOf(dlg.m_nTankerChoice), c.button);
            EXPECT_TRUE(InList(lists[c.button], dlg.m_strGrid)) << dlg.m_strGrid;
            EXPECT_EQ(controls.FieldText(Field::DaysInPort), "1");
            EXPECT_EQ(controls.RadioIndex(), c.button);
        } else {
            ASSERT_EQ(controls.Messages().size(), messages + 1);
            EXPECT_EQ(controls.Messages().back(), *c.refusal);
            EXPECT_EQ(dlg.m_nDaysInPort, 31);
            EXPECT_EQ(dlg.m_nTankerChoice, TankerChoice::kLandBase);
            EXPECT_EQ(dlg.m_strGrid, "BF17");
            EXPECT_EQ(dlg.m_strPatrolArea, "BF17");
            EXPECT_EQ(random.Next(), 41);  // nothing drawn
            EXPECT_EQ(controls.FieldText(Field::DaysInPort), "31");
            EXPECT_EQ(controls.RadioIndex(), 0);
        }
        EXPECT_EQ(controls.FieldText(Field::Grid), dlg.m_strGrid);
    }
}

TEST_F(BaseButtons, NoTankerAtTheHomeBase) {
    Select("home");
    ASSERT_EQ(dlg.facts.seaStatus, SeaStatus::kAtHomeBase);
    dlg.read.next.startYear = 1943;  // inside every window
    dlg.read.next.startMonth = 1;
    for (int button = 1; button <= 3; ++button) {
        const std::size_t before = controls.Messages().size();
        Click(button);
        ASSERT_EQ(controls.Messages().size(), before + 1);
        EXPECT_EQ(controls.Messages().back(), kHomeBase) << button;
        EXPECT_EQ(dlg.m_nTankerChoice, TankerChoice::kLandBase);
        EXPECT_EQ(dlg.m_nDaysInPort, 31);
        EXPECT_EQ(dlg.m_strGrid, "BF17");
        EXPECT_EQ(controls.RadioIndex(), 0);
    }
    // The land base is still open and draws a grid.
    dlg.read.next.startYear = 1942;
    random.Seed(1);
    Click(0);
    EXPECT_EQ(controls.Messages().size(), 3u);
    EXPECT_EQ(dlg.m_strGrid, "DH33*");
    EXPECT_EQ(controls.FieldText(Field::Grid), "DH33*");
    EXPECT_EQ(controls.FieldText(Field::DaysInPort), "31");
    EXPECT_EQ(controls.RadioIndex(), 0);
}

TEST_F(BaseButtons, RefusalSetsTheStateBeforeTheMessageAndShowsItAfter) {
    Select("sea");
    dlg.read.next.startYear = 1941;
    Click(1);  // accepted: the north tanker, one day in port
    ASSERT_EQ(dlg.m_nTankerChoice, TankerChoice::kNorth);
    int radioDuringMessage = -2;
    onMessage = [&](const std::string&) {
        EXPECT_EQ(dlg.m_nTankerChoice, TankerChoice::kLandBase);
        EXPECT_EQ(dlg.m_nDaysInPort, 31);
        radioDuringMessage = controls.RadioIndex();
    };
    Click(2);  // the mid tanker opens in August 1942
    EXPECT_EQ(radioDuringMessage, 2);
    EXPECT_EQ(controls.RadioIndex(), 0);
    EXPECT_EQ(controls.FieldText(Field::DaysInPort), "31");
}

TEST_F(BaseButtons, RefusalKeepsAnEarlierTankersGrid) {
    Select("sea");
    dlg.read.next.startYear = 1941;
    dlg.read.next.startMonth = 5;
    Click(1);
    const std::string north = dlg.m_strGrid;
    ASSERT_TRUE(InList(GridsTypeVIITankerNorth, north)) << north;
    Click(2);
    ASSERT_EQ(controls.Messages().size(), 1u);
    EXPECT_EQ(controls.Messages().back(), kMidWindow);
    EXPECT_EQ(dlg.m_strGrid, north);
    EXPECT_EQ(controls.FieldText(Field::Grid), north);
    EXPECT_EQ(controls.FieldText(Field::DaysInPort), "31");
    EXPECT_EQ(controls.RadioIndex(), 0);
}

TEST_F(BaseButtons, TypedGridIsOverwritten) {
    Select("sea");
    dlg.read.next.startYear = 1950;
    controls.TypeGrid("ZZ99");
    Click(3);  // refused
    EXPECT_EQ(controls.FieldText(Field::Grid), "BF17");
    controls.TypeGrid("ZZ99");
    random.Seed(1);
    dlg.read.next.startYear = 1942;
    Click(0);
    EXPECT_EQ(controls.FieldText(Field::Grid), "DH33*");
}

TEST_F(BaseButtons, BoatAtBaseShowsDashes) {
    Select("base");
    ASSERT_EQ(dlg.facts.seaStatus, SeaStatus::kAtBase);
    dlg.read.next.startYear = 1943;
    dlg.read.next.startMonth = 1;
    for (int button = 0; button < 4; ++button) {
        Click(button);
        EXPECT_EQ(dlg.m_strGrid, "----") << button;
        EXPECT_EQ(controls.FieldText(Field::Grid), "----") << button;
        EXPECT_EQ(CodeOf(dlg.m_nTankerChoice), button);
        EXPECT_EQ(dlg.m_nDaysInPort, button == 0 ? 31 : 1);
    }
    EXPECT_TRUE(controls.Messages().empty());
}

TEST_F(BaseButtons, UnknownBoatKeepsNull) {
    Select("unknown-boat");
    ASSERT_EQ(dlg.m_strGrid, "----");
    Click(0);
    EXPECT_EQ(dlg.m_strGrid, "NULL");
    EXPECT_EQ(controls.FieldText(Field::Grid), "NULL");
    EXPECT_EQ(random.Next(), 41);
}

}  // namespace
}  // namespace kp
