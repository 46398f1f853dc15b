// The four base buttons: the land base, and three ocean tankers each open
// only within its window of start dates and never at the home base.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "app/find_careers.h"
#include "career_fixture.h"
#include "grid/grid_tables.h"
#include "memory_controls.h"
#include "ui/patrol_dialog.h"

namespace kp {
namespace {

namespace fs = std::filesystem;

const std::string kChooseCareer = "Please choose a career.";
const std::string kHomeBase = "Cannot be a U-tanker at Home Base!";
const std::string kNorthWindow =
    "You cannot use an Ocean Tanker here\n (1941 (Spain) or April 1942 - June 1943 only).";
const std::string kMidWindow =
    "You cannot use an Ocean Tanker here\n (August 1942 - April 1944 only).";
const std::string kSouthWindow =
    "You cannot use an Ocean Tanker here\n (Sept 1942 - March 1944 only).";

// A Type VIIC at Lorient; `area` is the next patrol's.
std::string NextPatrol(const std::string& area, const std::string& subType = "1") {
    return "[INIT]\nPatrols=1\n[PATROL 001]\nEndLocation=753\nSubType=" + subType +
           "\nSubVersion=1\nPatrolArea=" + area + "\nStartYear=1942\nStartMonth=5\n";
}
const char* const kHistory =
    "[INIT]\nPatrols=1\n[PATROL 000]\nEndYear=1942\nEndMonth=3\nEndDay=1\n";

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

class BaseChoice : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteCareer("home", NextPatrol("BF17"));
        WriteCareer("sea", NextPatrol("BF17"));
        WriteFile(dir.Path() / "careers" / "sea" / "1" / "s.psc", Crlf("PatrolArea=CA53\n"));
        WriteCareer("base", NextPatrol("NULL"));
        WriteCareer("empty-area", NextPatrol(""));
        WriteCareer("unknown-boat", NextPatrol("NULL", "9"));
        fs::create_directories(dir.Path() / "careers" / "broken");
        ASSERT_EQ(FindCareers(dlg, SystemFileOps(), dir.Path()), 1);
        dlg.Attach(controls);
        dlg.OnInitDialog();
    }

    void WriteCareer(const std::string& name, const std::string& next) {
        WriteFile(dir.Path() / "careers" / name / "patrols_0.cfg", Crlf(next));
        WriteFile(dir.Path() / "careers" / name / "patrols.cfg", Crlf(kHistory));
    }

    void Select(const std::string& name) {
        for (int i = 0; i < controls.ListCount(); ++i) {
            if (controls.ListEntry(i) == name) {
                controls.SetListSelection(i);
            }
        }
        dlg.OnSelchangeCareerList();
    }

    // The platform checks a clicked radio button before its handler runs.
    void Click(int choice) {
        controls.SetRadioIndex(choice);
        const std::function<void()> handlers[] = {
            [this] { dlg.OnLandBase(); }, [this] { dlg.OnTankerNorth(); },
            [this] { dlg.OnTankerMid(); }, [this] { dlg.OnTankerSouth(); }};
        handlers[choice]();
    }

    ScratchFolder dir;
    RandomSource random{1};
    CKelmarPatrol2Dlg dlg{SystemFileOps(), random};
    std::function<void(const std::string&)> onMessage;
    MemoryControls controls{[this](const std::string& text, MessageButtons) {
        if (onMessage) {
            onMessage(text);
        }
        return MessageAnswer::Ok;
    }};
};

TEST_F(BaseChoice, EveryButtonNeedsALoadedCareer) {
    controls.TypeGrid("AB12");
    dlg.UpdateData(true);  // a typed grid is no career
    for (int choice = 0; choice < 4; ++choice) {
        Click(choice);
        ASSERT_EQ(controls.Messages().size(), static_cast<std::size_t>(choice + 1));
        EXPECT_EQ(controls.Messages().back(), kChooseCareer) << choice;
        EXPECT_EQ(CodeOf(dlg.m_nTankerChoice), 0) << choice;
        EXPECT_EQ(dlg.m_nDaysInPort, 31) << choice;
        EXPECT_EQ(dlg.m_strGrid, "AB12") << choice;
        EXPECT_EQ(controls.RadioIndex(), choice) << choice << ": the window is not refreshed";
    }
    EXPECT_EQ(random.Next(), 41);
}

TEST_F(BaseChoice, FailedLoadMeansNoCareerButAnEmptyAreaIsLoaded) {
    Select("sea");
    ASSERT_TRUE(dlg.CareerLoaded());
    Select("broken");
    ASSERT_FALSE(dlg.CareerLoaded());
    ASSERT_EQ(controls.Messages().size(), 1u);
    controls.TypeGrid("AB12");
    dlg.UpdateData(true);
    for (int choice = 0; choice < 4; ++choice) {
        Click(choice);
        ASSERT_EQ(controls.Messages().size(), static_cast<std::size_t>(choice + 2));
        EXPECT_EQ(controls.Messages().back(), kChooseCareer) << choice;
    }
    // "PatrolArea=" with nothing after it loads an empty grid; the career is
    // loaded all the same, and the land base draws it a grid.
    Select("empty-area");
    ASSERT_TRUE(dlg.CareerLoaded());
    ASSERT_EQ(dlg.m_strGrid, "");
    Click(CodeOf(TankerChoice::kLandBase));
    EXPECT_EQ(controls.Messages().size(), 5u);
    EXPECT_TRUE(InList(GridsTypeVIITheater1Y1942, dlg.m_strGrid)) << dlg.m_strGrid;
}

TEST_F(BaseChoice, TankerDateWindows) {
    const struct {
        int choice;
        int year;
        int month;
        bool accepted;
    } cases[] = {
        {1, 1940, 12, false}, {1, 1941, 1, true},  {1, 1941, 12, true},  {1, 1941, 0, true},
        {1, 1942, 1, false},  {1, 1942, 3, false}, {1, 1942, 4, true},   {1, 1942, 12, true},
        {1, 1943, 1, true},   {1, 1943, 6, true},  {1, 1943, 7, false},  {1, 1943, 13, false},
        {1, 1944, 1, false},  {1, 1944, 6, false}, {1, -1, -1, false},   {2, 1941, 12, false},
        {2, 1942, 1, false},  {2, 1942, 7, false}, {2, 1942, 8, true},   {2, 1942, 12, true},
        {2, 1943, 1, true},   {2, 1943, 12, true}, {2, 1944, 1, true},   {2, 1944, 4, true},
        {2, 1944, 5, false},  {2, 1945, 1, false}, {3, 1941, 10, false}, {3, 1942, 8, false},
        {3, 1942, 9, true},   {3, 1942, 12, true}, {3, 1943, 6, true},   {3, 1944, 3, true},
        {3, 1944, 4, false},  {3, 1945, 1, false},
    };
    const std::string* const refusals[] = {nullptr, &kNorthWindow, &kMidWindow, &kSouthWindow};
    const int* const lists[] = {nullptr, GridsTypeVIITankerNorth, GridsTypeVIITankerMid,
                                GridsTankerSouth};
    Select("sea");
    ASSERT_EQ(CodeOf(dlg.m_nSeaStatus), 2);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.choice) + " in " + std::to_string(c.month) + "/" +
                     std::to_string(c.year));
        dlg.m_nStartYear = c.year;
        dlg.m_nStartMonth = c.month;
        dlg.m_strGrid = dlg.m_strPatrolArea = "BF17";
        dlg.m_nDaysInPort = 31;
        dlg.m_nTankerChoice = TankerChoice::kLandBase;
        random.Seed(1);
        const std::size_t messages = controls.Messages().size();
        Click(c.choice);
        if (c.accepted) {
            EXPECT_EQ(controls.Messages().size(), messages);
            EXPECT_EQ(dlg.m_nDaysInPort, 1);
            EXPECT_EQ(CodeOf(dlg.m_nTankerChoice), c.choice);
            EXPECT_TRUE(InList(lists[c.choice], dlg.m_strGrid)) << dlg.m_strGrid;
            EXPECT_EQ(controls.FieldText(Field::DaysInPort), "1");
            EXPECT_EQ(controls.RadioIndex(), c.choice);
        } else {
            ASSERT_EQ(controls.Messages().size(), messages + 1);
            EXPECT_EQ(controls.Messages().back(), *refusals[c.choice]);
            EXPECT_EQ(dlg.m_nDaysInPort, 31);
            EXPECT_EQ(CodeOf(dlg.m_nTankerChoice), 0);
            EXPECT_EQ(dlg.m_strGrid, "BF17");
            EXPECT_EQ(dlg.m_strPatrolArea, "BF17");
            EXPECT_EQ(random.Next(), 41);  // nothing drawn
            EXPECT_EQ(controls.FieldText(Field::DaysInPort), "31");
            EXPECT_EQ(controls.RadioIndex(), 0);
        }
        EXPECT_EQ(controls.FieldText(Field::Grid), dlg.m_strGrid);
    }
}

TEST_F(BaseChoice, NoTankerAtTheHomeBase) {
    Select("home");
    ASSERT_EQ(CodeOf(dlg.m_nSeaStatus), 0);
    for (const int year : {1943, 1950}) {  // inside every window, then outside all
        dlg.m_nStartYear = year;
        dlg.m_nStartMonth = 1;
        for (int choice = 1; choice <= 3; ++choice) {
            const std::size_t before = controls.Messages().size();
            Click(choice);
            ASSERT_EQ(controls.Messages().size(), before + 1);
            EXPECT_EQ(controls.Messages().back(), kHomeBase) << choice << " in " << year;
            EXPECT_EQ(CodeOf(dlg.m_nTankerChoice), 0);
            EXPECT_EQ(dlg.m_nDaysInPort, 31);
            EXPECT_EQ(dlg.m_strGrid, "BF17");
            EXPECT_EQ(controls.RadioIndex(), 0);
        }
    }
    EXPECT_EQ(controls.Messages().size(), 6u);
    // The land base is still open and draws a grid.
    dlg.m_nStartYear = 1942;
    random.Seed(1);
    Click(0);
    EXPECT_EQ(controls.Messages().size(), 6u);
    EXPECT_EQ(dlg.m_strGrid, "DH33*");
    EXPECT_EQ(controls.FieldText(Field::Grid), "DH33*");
    EXPECT_EQ(controls.FieldText(Field::DaysInPort), "31");
    EXPECT_EQ(controls.RadioIndex(), 0);
}

TEST_F(BaseChoice, RefusalSetsTheStateBeforeTheMessageAndShowsItAfter) {
    Select("sea");
    dlg.m_nStartYear = 1941;
    Click(1);  // accepted: the north tanker, one day in port
    ASSERT_EQ(CodeOf(dlg.m_nTankerChoice), 1);
    int radioDuringMessage = -2;
    onMessage = [&](const std::string&) {
        EXPECT_EQ(CodeOf(dlg.m_nTankerChoice), 0);
        EXPECT_EQ(dlg.m_nDaysInPort, 31);
        radioDuringMessage = controls.RadioIndex();
    };
    Click(2);  // the mid tanker opens in August 1942
    EXPECT_EQ(radioDuringMessage, 2);
    EXPECT_EQ(controls.RadioIndex(), 0);
    EXPECT_EQ(controls.FieldText(Field::DaysInPort), "31");
}

TEST_F(BaseChoice, RefusalKeepsAnEarlierTankersGrid) {
    Select("sea");
    dlg.m_nStartYear = 1941;
    dlg.m_nStartMonth = 5;
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

TEST_F(BaseChoice, TypedGridIsOverwritten) {
    Select("sea");
    dlg.m_nStartYear = 1950;
    controls.TypeGrid("ZZ99");
    Click(3);  // refused
    EXPECT_EQ(controls.FieldText(Field::Grid), "BF17");
    controls.TypeGrid("ZZ99");
    random.Seed(1);
    dlg.m_nStartYear = 1942;
    Click(0);
    EXPECT_EQ(controls.FieldText(Field::Grid), "DH33*");
}

TEST_F(BaseChoice, BoatAtBaseShowsDashes) {
    Select("base");
    ASSERT_EQ(CodeOf(dlg.m_nSeaStatus), 1);
    dlg.m_nStartYear = 1943;
    dlg.m_nStartMonth = 1;
    for (int choice = 0; choice < 4; ++choice) {
        Click(choice);
        EXPECT_EQ(dlg.m_strGrid, "----") << choice;
        EXPECT_EQ(controls.FieldText(Field::Grid), "----") << choice;
        EXPECT_EQ(CodeOf(dlg.m_nTankerChoice), choice);
        EXPECT_EQ(dlg.m_nDaysInPort, choice == 0 ? 31 : 1);
    }
    EXPECT_TRUE(controls.Messages().empty());
}

TEST_F(BaseChoice, UnknownBoatKeepsNull) {
    Select("unknown-boat");
    ASSERT_EQ(dlg.m_strGrid, "----");
    Click(0);
    EXPECT_EQ(dlg.m_strGrid, "NULL");
    EXPECT_EQ(controls.FieldText(Field::Grid), "NULL");
    EXPECT_EQ(random.Next(), 41);
}

}  // namespace
}  // namespace kp
