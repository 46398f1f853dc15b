// Selecting a career in the dialog: what the dialog makes of the read (boat,
// base, sea status, grid), what it shows, what a failed load leaves.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "career_fixture.h"
#include "career_texts.h"
#include "dialog_fixture.h"

namespace kp {
namespace {

namespace fs = std::filesystem;

class CareerSelection : public ::testing::Test, protected DialogFixture {
  protected:
    fs::path CareerDir(const std::string& name) const { return dir.Path() / "careers" / name; }

    void Write(const std::string& name, const std::string& next = NextPatrolText(kNextTarget),
               const std::string& history = HistoryText(kLastPatrol)) {
        WriteCareer(dir.Path(), name, next, history);
    }

    // The draw a career without an area gets depends on the seed.
    void SelectSeeded(const std::string& name) {
        random.Seed(1);
        Select(name);
    }

    ScratchFolder dir;
};

TEST_F(CareerSelection, ACareerGivenAtStartIsSelectedAndLoadedAsTheWindowOpens) {
    Write("Hans");
    Write("Otto");
    dlg.SelectOnOpening("Otto");
    ASSERT_TRUE(Open(dir.Path()));
    EXPECT_EQ(controls.ListSelection(), IndexOf("Otto"));
    EXPECT_TRUE(dlg.CareerLoaded());
    EXPECT_EQ(dlg.m_strCareer, "Otto");
    EXPECT_EQ(controls.FieldText(Field::Grid), "BF17");
}

TEST_F(CareerSelection, ReadsTheCareerIntoTheDialog) {
    Write("Hans", NextPatrolText(kNextTarget, 3), HistoryText(kLastPatrol, 3));
    const fs::path save =
        WriteSave(CareerDir("Hans"), "Patrol.psc", "Time=1\nPatrolArea=CA53\n", 1'000'000'000, 3);
    ASSERT_TRUE(Open(dir.Path()));
    Select("Hans");

    EXPECT_TRUE(controls.Messages().empty());
    EXPECT_TRUE(dlg.CareerLoaded());
    EXPECT_EQ(dlg.m_strCareer, "Hans");
    EXPECT_EQ(dlg.read.next.endLocation, 753);
    EXPECT_EQ(dlg.read.next.subType, 1);
    EXPECT_EQ(dlg.read.next.subVersion, 1);
    EXPECT_EQ(dlg.read.next.startYear, 1942);
    EXPECT_EQ(dlg.read.next.startMonth, 5);
    EXPECT_EQ(dlg.read.last.endYear, 1942);
    EXPECT_EQ(dlg.read.last.endMonth, 3);
    EXPECT_EQ(dlg.read.last.endDay, 12);
    EXPECT_EQ(dlg.read.last.hullIntegrity, 87.5f);
    EXPECT_EQ(dlg.read.last.count, 3);
    EXPECT_EQ(dlg.m_strBoatType, "Type VIIC");
    EXPECT_EQ(dlg.facts.boatClass, BoatClass::kTypeVII);
    EXPECT_EQ(dlg.gridClass, BoatClass::kTypeVII);
    EXPECT_EQ(dlg.m_strEndLocation, "Lorient");
    EXPECT_EQ(dlg.facts.theater, Theater::kAtlantic);
    EXPECT_EQ(dlg.m_strEndDate, "12 March 1942");
    ASSERT_TRUE(dlg.read.save);
    EXPECT_EQ(dlg.read.save->path, save);
    EXPECT_EQ(dlg.read.save->stem, save.parent_path() / "Patrol");
    EXPECT_EQ(dlg.read.save->patrolArea, "CA53");
    EXPECT_EQ(dlg.facts.seaStatus, SeaStatus::kAtSea);
    EXPECT_EQ(dlg.m_nTankerChoice, TankerChoice::kLandBase);
    EXPECT_EQ(dlg.m_nDaysInPort, 31);

    EXPECT_EQ(controls.FieldText(Field::Grid), "BF17");
    EXPECT_EQ(controls.FieldText(Field::SeaStatus), "At Sea");
    EXPECT_EQ(controls.FieldText(Field::EndDate), "12 March 1942");
    EXPECT_EQ(controls.FieldText(Field::BoatType), "Type VIIC");
    EXPECT_EQ(controls.FieldText(Field::EndLocation), "Lorient");
    EXPECT_EQ(controls.FieldText(Field::DaysInPort), "31");
    EXPECT_EQ(controls.RadioIndex(), 0);
    EXPECT_EQ(controls.ListSelection(), IndexOf("Hans"));
}

TEST_F(CareerSelection, NothingOfTheCareerBeforeStays) {
    Write("full");
    Write("partial", NextPatrolText("SubType=1\nSubVersion=2\nEndLocation=753\nPatrolArea=BF17\n"),
          HistoryText("EndYear=1943\n"));
    ASSERT_TRUE(Open(dir.Path()));
    Select("full");
    ASSERT_EQ(dlg.read.last.hullIntegrity, 87.5f);
    Select("partial");
    EXPECT_TRUE(dlg.CareerLoaded());
    EXPECT_EQ(dlg.m_strBoatType, "Type VIIC/41");
    EXPECT_EQ(dlg.read.next.startYear, -1);
    EXPECT_EQ(dlg.read.next.startMonth, -1);
    EXPECT_EQ(dlg.read.last.endYear, 1943);
    EXPECT_EQ(dlg.read.last.endMonth, -1);
    EXPECT_EQ(dlg.read.last.endDay, -1);
    EXPECT_EQ(dlg.read.last.hullIntegrity, 100.0f);
    EXPECT_EQ(controls.FieldText(Field::EndDate), "Unknown 1943");
}

TEST_F(CareerSelection, SeaStatusAndGridFollowTheSaveAndTheArea) {
    const struct {
        const char* career;
        const char* area;
        const char* save;  // nullptr: no save
        const char* subType;
        int seaStatus;
        const char* statusText;
        const char* grid;
        const char* patrolArea;
    } cases[] = {
        {"home", "BF17", nullptr, "1", 0, "At Home Base", "BF17", "BF17"},
        {"base", "NULL", nullptr, "1", 1, "At Base", "----", "DH33*"},
        {"base-nothing-drawn", "NULL", nullptr, "9", 1, "At Base", "----", "NULL"},
        {"sea-assigned", "BF17", "PatrolArea=CA53\n", "1", 2, "At Sea", "BF17", "BF17"},
        {"sea-save-area", "NULL", "PatrolArea=CA53\n", "1", 2, "At Sea", "CA53", "DH33*"},
        {"sea-drawn", "NULL", "Time=1\n", "1", 2, "At Sea", "DH33*", "DH33*"},
        {"sea-nothing-drawn", "NULL", "Time=1\n", "9", 2, "At Sea", "NULL", "NULL"},
    };
    for (const auto& c : cases) {
        Write(c.career, NextPatrolText(std::string("EndLocation=753\nSubType=") + c.subType +
                                       "\nSubVersion=1\nPatrolArea=" + c.area +
                                       "\nStartYear=1942\nStartMonth=5\n"));
        if (c.save) {
            WriteSave(CareerDir(c.career), "s.psc", c.save);
        }
    }
    ASSERT_TRUE(Open(dir.Path()));
    for (const auto& c : cases) {
        SelectSeeded(c.career);
        EXPECT_TRUE(dlg.CareerLoaded()) << c.career;
        EXPECT_EQ(CodeOf(dlg.facts.seaStatus), c.seaStatus) << c.career;
        EXPECT_EQ(dlg.m_strSeaStatus, c.statusText) << c.career;
        EXPECT_EQ(dlg.m_strGrid, c.grid) << c.career;
        EXPECT_EQ(dlg.m_strPatrolArea, c.patrolArea) << c.career;
        EXPECT_EQ(dlg.facts.area, c.area) << c.career;
        EXPECT_EQ(controls.FieldText(Field::Grid), c.grid) << c.career;
        EXPECT_EQ(controls.FieldText(Field::SeaStatus), c.statusText) << c.career;
    }
    EXPECT_TRUE(controls.Messages().empty());
}

TEST_F(CareerSelection, PatrolAreaIsCutToFourCharacters) {
    const struct {
        const char* career;
        const char* line;  // the next patrol's PatrolArea line, if any
        const char* area;
        const char* grid;
    } cases[] = {
        {"three", "PatrolArea=AB1\n", "AB1", "AB1"},
        {"five", "PatrolArea=AB123\n", "AB12", "AB12"},
        {"two", "PatrolArea=AB\n", "AB", "AB"},
        {"one", "PatrolArea=A\n", "A", "A"},
        {"none", "", "-1", "-1"},
        {"lower-case", "PatrolArea=null\n", "null", "null"},
        // Cut first, then compared: this is no grid.
        {"null-and-more", "PatrolArea=NULLX\n", "NULL", "----"},
    };
    for (const auto& c : cases) {
        Write(c.career, NextPatrolText(std::string("EndLocation=753\nSubType=1\n") + c.line +
                                       "StartYear=1942\n"));
    }
    ASSERT_TRUE(Open(dir.Path()));
    for (const auto& c : cases) {
        SelectSeeded(c.career);
        EXPECT_TRUE(dlg.CareerLoaded()) << c.career;
        EXPECT_EQ(dlg.facts.area, c.area) << c.career;
        EXPECT_EQ(dlg.m_strGrid, c.grid) << c.career;
    }
}

TEST_F(CareerSelection, Base760AndTypeXXI) {
    const struct {
        const char* career;
        const char* boat;  // SubType and SubVersion lines
        const char* ended;
        const char* type;
        int boatClass;
        const char* base;
        int theater;
    } cases[] = {
        {"xxiii", "SubType=3\nSubVersion=1\n", "EndYear=1944\nEndMonth=10\n", "Type XXIII", 5,
         "Stavanger", 2},
        {"xxi", "SubType=3\nSubVersion=0\n", "EndYear=1944\nEndMonth=8\n", "Type XXI", 4,
         "LaRochelle", 1},
        {"ixd2", "SubType=2\nSubVersion=3\n", "EndYear=1945\nEndMonth=1\n", "Type IXD2", 3,
         "Stavanger", 2},
        {"late", "SubType=3\nSubVersion=0\n", "EndYear=1946\nEndMonth=1\n", "Type XXI", 4,
         "LaRochelle", 1},
        {"unknown", "SubVersion=0\n", "EndYear=1945\nEndMonth=1\n", "Type Unknown", -1, "Stavanger",
         2},
    };
    for (const auto& c : cases) {
        Write(c.career,
              NextPatrolText(std::string("EndLocation=760\n") + c.boat +
                             "PatrolArea=AM52\nStartYear=1945\nStartMonth=2\n"),
              HistoryText(c.ended));
    }
    ASSERT_TRUE(Open(dir.Path()));
    for (const auto& c : cases) {
        Select(c.career);
        EXPECT_EQ(dlg.m_strBoatType, c.type) << c.career;
        EXPECT_EQ(CodeOf(dlg.facts.boatClass), c.boatClass) << c.career;
        EXPECT_EQ(dlg.m_strEndLocation, c.base) << c.career;
        EXPECT_EQ(CodeOf(dlg.facts.theater), c.theater) << c.career;
        EXPECT_EQ(controls.FieldText(Field::BoatType), c.type) << c.career;
    }
}

TEST_F(CareerSelection, FailedLoadLeavesNoCareer) {
    // A failure in each file, each with its own message.
    const MessagesOf windows(MessagePlatform::Windows);
    const struct {
        const char* career;
        std::string next;     // empty: no file
        std::string history;  // empty: no file
        const char* message;
    } cases[] = {
        {"no-next", "", HistoryText(kLastPatrol),
         "Cannot find your 'patrols_0.cfg' file.\nYou MUST place this program in your folder 'My "
         "Documents\\Kelmar\\Data\\cfg'."},
        {"bad-next", "[INIT]\n[PATROL 002]\nPatrols=2\n", HistoryText(kLastPatrol),
         "There is an error in your Patrols_0.cfg file."},
        {"no-history", NextPatrolText(kNextTarget), "",
         "Cannot find your 'patrols.cfg' file.\nYou MUST place this program in your folder 'My "
         "Documents\\Kelmar\\Data\\cfg'."},
        {"bad-history", NextPatrolText(kNextTarget), HistoryText(kLastPatrol + "[PATROL 007]\n"),
         "There is an error in your Patrols.cfg file."},
    };
    Write("good");
    WriteSave(CareerDir("good"), "s.psc", "PatrolArea=CA53\n");
    for (const auto& c : cases) {
        fs::create_directories(CareerDir(c.career));
        if (!c.next.empty()) {
            WriteFile(CareerDir(c.career) / "patrols_0.cfg", Crlf(c.next));
        }
        if (!c.history.empty()) {
            WriteFile(CareerDir(c.career) / "patrols.cfg", Crlf(c.history));
        }
    }
    ASSERT_TRUE(Open(dir.Path()));

    for (const auto& c : cases) {
        SCOPED_TRACE(c.career);
        Select("good");
        ASSERT_TRUE(dlg.CareerLoaded());
        controls.SetChecked(CheckBox::AutoRadarUpdate, false);
        controls.SetChecked(CheckBox::EnteredMed, true);
        const std::size_t before = controls.Messages().size();

        Select(c.career);
        ASSERT_EQ(controls.Messages().size(), before + 1);
        EXPECT_EQ(controls.Messages().back(), c.message);
        EXPECT_FALSE(dlg.CareerLoaded());
        EXPECT_EQ(dlg.m_strGrid, "");
        EXPECT_EQ(dlg.facts.area, "");
        EXPECT_EQ(dlg.m_strEndDate, "");
        EXPECT_EQ(dlg.m_strBoatType, "");
        EXPECT_EQ(dlg.m_strEndLocation, "");
        EXPECT_EQ(dlg.m_strSeaStatus, "");
        EXPECT_EQ(dlg.m_nDaysInPort, 31);
        EXPECT_EQ(dlg.m_nTankerChoice, TankerChoice::kLandBase);
        EXPECT_EQ(dlg.m_bAutoRadarUpdate, 0);
        EXPECT_EQ(dlg.m_bEnteredMed, 1);
        // The window shows that nothing is loaded.
        for (const Field f :
             {Field::Grid, Field::SeaStatus, Field::EndDate, Field::BoatType, Field::EndLocation}) {
            EXPECT_EQ(controls.FieldText(f), "") << static_cast<int>(f);
        }
        EXPECT_EQ(controls.FieldText(Field::DaysInPort), "31");
        EXPECT_EQ(controls.RadioIndex(), 0);
        EXPECT_FALSE(controls.IsChecked(CheckBox::AutoRadarUpdate));
        EXPECT_TRUE(controls.IsChecked(CheckBox::EnteredMed));
        EXPECT_EQ(controls.ListSelection(), IndexOf(c.career));
        EXPECT_EQ(dlg.m_strCareer, c.career);
    }
}

TEST_F(CareerSelection, SelectingAgainDiscardsUnappliedEdits) {
    Write("Hans");
    ASSERT_TRUE(Open(dir.Path()));
    Select("Hans");
    controls.TypeGrid("ZZ11");
    controls.SetRadioIndex(2);
    controls.SetFieldText(Field::DaysInPort, "7");
    Select("Hans");
    EXPECT_EQ(controls.FieldText(Field::Grid), "BF17");
    EXPECT_EQ(controls.FieldText(Field::DaysInPort), "31");
    EXPECT_EQ(controls.RadioIndex(), 0);
    EXPECT_EQ(dlg.m_nTankerChoice, TankerChoice::kLandBase);
}

TEST_F(CareerSelection, RefusedFieldDoesNotStopTheLoad) {
    Write("Hans");
    ASSERT_TRUE(Open(dir.Path()));
    controls.SetFieldText(Field::DaysInPort, "many");
    Select("Hans");
    ASSERT_EQ(controls.Messages().size(), 1u);
    EXPECT_EQ(controls.Messages()[0], "Please enter an integer.");
    EXPECT_TRUE(dlg.CareerLoaded());
    EXPECT_EQ(controls.FieldText(Field::Grid), "BF17");
    EXPECT_EQ(controls.FieldText(Field::DaysInPort), "31");
}

}  // namespace
}  // namespace kp
