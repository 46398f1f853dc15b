// Selecting a career: the loader reads the next patrol, the last patrol of the
// history and the newest save into the dialog state and shows the result.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/find_careers.h"
#include "career_fixture.h"
#include "memory_controls.h"
#include "platform/file_ops.h"
#include "ui/patrol_dialog.h"

namespace kp {
namespace {

namespace fs = std::filesystem;

const std::string kNoNextPatrolFile =
    "Cannot find your 'patrols_0.cfg' file.\nYou MUST place this program in your folder 'My "
    "Documents\\Kelmar\\Data\\cfg'.";
const std::string kBadNextPatrolFile = "There is an error in your Patrols_0.cfg file.";
const std::string kNoHistoryFile =
    "Cannot find your 'patrols.cfg' file.\nYou MUST place this program in your folder 'My "
    "Documents\\Kelmar\\Data\\cfg'.";
const std::string kBadHistoryFile = "There is an error in your Patrols.cfg file.";

// A Type VIIC at Lorient whose next patrol starts in May 1942.
const std::string kNextTarget =
    "EndLocation=753\nSubType=1\nSubVersion=1\nPatrolArea=BF17\nStartYear=1942\n"
    "StartMonth=5\nStartDay=3\nNbDaysInBase=31\nHullIntegrity=100.0000\nFlotilla=2\n";
const std::string kLastPatrol = "EndYear=1942\nEndMonth=3\nEndDay=12\nHullIntegrity=87.5\n";

std::string SectionHeaderText(int n) {
    char header[32];
    std::snprintf(header, sizeof header, "[PATROL %03d]\n", n);
    return header;
}

// Sections 001 to count - 1 hold other values; section `count` is the next patrol.
std::string NextPatrolText(const std::string& target, int count = 2) {
    std::string text = "[INIT]\nPatrols=" + std::to_string(count) + "\nCareer=1\n\n";
    for (int i = 1; i < count; ++i) {
        text += SectionHeaderText(i) +
                "EndLocation=750\nSubType=0\nSubVersion=0\n"
                "PatrolArea=AN41\nStartYear=1939\nStartMonth=9\n\n";
    }
    return text + SectionHeaderText(count) + target;
}

// Sections 000 to count - 2 are earlier patrols; section count - 1 is the last.
std::string HistoryText(const std::string& last, int count = 2) {
    std::string text = "[INIT]\nPatrols=" + std::to_string(count) + "\n\n";
    for (int i = 0; i < count - 1; ++i) {
        text += SectionHeaderText(i) + "EndYear=1939\nEndMonth=10\nEndDay=1\nHullIntegrity=50\n\n";
    }
    return text + SectionHeaderText(count - 1) + last;
}

void SetWriteTime(const fs::path& file, std::int64_t seconds) {
    const std::chrono::sys_seconds when{std::chrono::seconds(seconds)};
    fs::last_write_time(file, std::chrono::file_clock::from_sys(when));
}

// The real file system, with the reads of one file failing, or its opening.
class FailingReads final : public FileOps {
  public:
    std::string failName;
    std::string failOpenName;

    std::unique_ptr<InputFile> OpenRead(const fs::path& path) override {
        if (path.filename() == failOpenName) {
            return nullptr;
        }
        auto file = real_.OpenRead(path);
        if (file && path.filename() == failName) {
            return std::make_unique<Broken>();
        }
        return file;
    }
    std::unique_ptr<OutputFile> Create(const fs::path& path) override { return real_.Create(path); }
    bool Replace(const fs::path& from, const fs::path& to) override {
        return real_.Replace(from, to);
    }
    bool Remove(const fs::path& path) override { return real_.Remove(path); }
    bool Link(const fs::path& existing, const fs::path& to) override {
        return real_.Link(existing, to);
    }
    LockResult LockFolder(const fs::path& folder) override { return real_.LockFolder(folder); }
    std::optional<std::vector<DirEntry>> List(const fs::path& dir) override {
        return real_.List(dir);
    }

  private:
    struct Broken final : InputFile {
        std::ptrdiff_t Read(char*, std::size_t) override { return -1; }
    };
    FileOps& real_ = SystemFileOps();
};

class Loader : public ::testing::Test {
  protected:
    fs::path CareerDir(const std::string& name) const { return dir.Path() / "careers" / name; }

    void WriteCareer(const std::string& name, const std::string& next = NextPatrolText(kNextTarget),
                     const std::string& history = HistoryText(kLastPatrol)) {
        WriteFile(CareerDir(name) / "patrols_0.cfg", Crlf(next));
        WriteFile(CareerDir(name) / "patrols.cfg", Crlf(history));
    }

    fs::path WriteSave(const std::string& career, const std::string& file,
                       const std::string& content, std::int64_t seconds = 1'000'000'000,
                       int patrolFolder = 2) {
        const fs::path path = CareerDir(career) / std::to_string(patrolFolder) / file;
        WriteFile(path, Crlf(content));
        SetWriteTime(path, seconds);
        return path;
    }

    void Start() {
        dlg.Attach(controls);
        EXPECT_EQ(FindCareers(dlg, files, dir.Path()), 1);
        dlg.OnInitDialog();
    }

    int IndexOf(const std::string& name) const {
        for (int i = 0; i < controls.ListCount(); ++i) {
            if (controls.ListEntry(i) == name) {
                return i;
            }
        }
        ADD_FAILURE() << name << " is not listed";
        return -1;
    }

    void Select(const std::string& name, std::uint32_t seed = 1) {
        random.Seed(seed);
        controls.SetListSelection(IndexOf(name));
        dlg.OnSelchangeCareerList();
    }

    ScratchFolder dir;
    FailingReads files;
    RandomSource random{1};
    MemoryControls controls;
    CKelmarPatrol2Dlg dlg{files, random};
};

TEST_F(Loader, ACareerGivenAtStartIsSelectedAndLoadedAsTheWindowOpens) {
    WriteCareer("Hans");
    WriteCareer("Otto");
    dlg.SelectOnOpening("Otto");
    Start();
    EXPECT_EQ(controls.ListSelection(), IndexOf("Otto"));
    EXPECT_TRUE(dlg.CareerLoaded());
    EXPECT_EQ(dlg.m_strCareer, "Otto");
    EXPECT_EQ(controls.FieldText(Field::Grid), "BF17");
}

TEST_F(Loader, ReadsTheCareerIntoTheDialog) {
    WriteCareer("Hans", NextPatrolText(kNextTarget, 3), HistoryText(kLastPatrol, 3));
    const fs::path save =
        WriteSave("Hans", "Patrol.psc", "Time=1\nPatrolArea=CA53\n", 1'000'000'000, 3);
    Start();
    Select("Hans");

    EXPECT_TRUE(controls.Messages().empty());
    EXPECT_TRUE(dlg.CareerLoaded());
    EXPECT_EQ(dlg.m_strCareer, "Hans");
    EXPECT_EQ(dlg.m_nEndLocation, 753);
    EXPECT_EQ(dlg.m_nSubType, 1);
    EXPECT_EQ(dlg.m_nSubVersion, 1);
    EXPECT_EQ(dlg.m_nStartYear, 1942);
    EXPECT_EQ(dlg.m_nStartMonth, 5);
    EXPECT_EQ(dlg.m_nEndYear, 1942);
    EXPECT_EQ(dlg.m_nEndMonth, 3);
    EXPECT_EQ(dlg.m_nEndDay, 12);
    EXPECT_EQ(dlg.m_fHullIntegrity, 87.5f);
    EXPECT_EQ(dlg.m_nPatrolCount, 3);
    EXPECT_EQ(dlg.m_strBoatType, "Type VIIC");
    EXPECT_EQ(dlg.m_nBoatClass, BoatClass::kTypeVII);
    EXPECT_EQ(dlg.m_strEndLocation, "Lorient");
    EXPECT_EQ(dlg.m_nTheater, Theater::kAtlantic);
    EXPECT_EQ(dlg.m_strEndDate, "12 March 1942");
    EXPECT_EQ(fs::path(dlg.m_strSavePath), save);
    EXPECT_EQ(fs::path(dlg.m_strSaveStem), save.parent_path() / "Patrol");
    EXPECT_EQ(dlg.m_strSaveArea, "CA53");
    EXPECT_EQ(dlg.m_nSeaStatus, SeaStatus::kAtSea);
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

TEST_F(Loader, SeaStatusAndGridFollowTheSaveAndTheArea) {
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
        WriteCareer(c.career, NextPatrolText(std::string("EndLocation=753\nSubType=") + c.subType +
                                             "\nSubVersion=1\nPatrolArea=" + c.area +
                                             "\nStartYear=1942\nStartMonth=5\n"));
        if (c.save) {
            WriteSave(c.career, "s.psc", c.save);
        }
    }
    Start();
    for (const auto& c : cases) {
        Select(c.career);
        EXPECT_TRUE(dlg.CareerLoaded()) << c.career;
        EXPECT_EQ(CodeOf(dlg.m_nSeaStatus), c.seaStatus) << c.career;
        EXPECT_EQ(dlg.m_strSeaStatus, c.statusText) << c.career;
        EXPECT_EQ(dlg.m_strGrid, c.grid) << c.career;
        EXPECT_EQ(dlg.m_strPatrolArea, c.patrolArea) << c.career;
        EXPECT_EQ(dlg.m_strOriginalArea, c.area) << c.career;
        EXPECT_EQ(controls.FieldText(Field::Grid), c.grid) << c.career;
        EXPECT_EQ(controls.FieldText(Field::SeaStatus), c.statusText) << c.career;
    }
    EXPECT_TRUE(controls.Messages().empty());
}

TEST_F(Loader, OnlyExactKeysOfTheTargetSectionCount) {
    WriteCareer("full");
    WriteCareer("partial",
                NextPatrolText("SubType=1\n SubType=2\nsubtype=2\nSubType =2\nSubVersion=0\n"
                               "SubVersion=2\nEndLocation=753\nPatrolArea=BF17\n"
                               "[PATROL 003]\nStartMonth=1\nStartYear=1941\n"),
                HistoryText("EndYear=1941\nHullIntegrity=50\nEndYear=1943\n"));
    Start();
    Select("full");
    Select("partial");
    EXPECT_TRUE(dlg.CareerLoaded());
    EXPECT_EQ(dlg.m_nSubType, 1);
    EXPECT_EQ(dlg.m_nSubVersion, 2);  // the later line wins
    EXPECT_EQ(dlg.m_strBoatType, "Type VIIC/41");
    // Keys of other sections are not this patrol's; the full career's values are gone.
    EXPECT_EQ(dlg.m_nStartYear, -1);
    EXPECT_EQ(dlg.m_nStartMonth, -1);
    EXPECT_EQ(dlg.m_nEndYear, 1943);
    EXPECT_EQ(dlg.m_nEndMonth, -1);
    EXPECT_EQ(dlg.m_nEndDay, -1);
    EXPECT_EQ(dlg.m_fHullIntegrity, 50.0f);
}

TEST_F(Loader, EndDateText) {
    const struct {
        const char* career;
        const char* last;
        const char* date;
    } cases[] = {
        {"full", "EndDay=12\nEndMonth=3\nEndYear=1941\n", "12 March 1941"},
        {"no-day", "EndMonth=3\nEndYear=1941\n", "March 1941"},
        {"month-13", "EndDay=12\nEndMonth=13\nEndYear=1941\n", "12 Unknown 1941"},
        {"month-0", "EndDay=1\nEndMonth=0\nEndYear=1941\n", "1 Unknown 1941"},
        {"no-year", "EndDay=12\nEndMonth=3\n", "12 March "},
        {"nothing", "HullIntegrity=90\n", "Unknown "},
        {"december", "EndDay=31\nEndMonth=12\nEndYear=1944\n", "31 December 1944"},
    };
    for (const auto& c : cases) {
        WriteCareer(c.career, NextPatrolText(kNextTarget), HistoryText(c.last));
    }
    Start();
    for (const auto& c : cases) {
        Select(c.career);
        EXPECT_EQ(dlg.m_strEndDate, c.date) << c.career;
        EXPECT_EQ(controls.FieldText(Field::EndDate), c.date) << c.career;
    }
}

TEST_F(Loader, HullIntegrityDefaultsTo100) {
    WriteCareer("worn");
    WriteCareer("fresh", NextPatrolText(kNextTarget), HistoryText("EndYear=1942\n"));
    Start();
    Select("worn");
    ASSERT_EQ(dlg.m_fHullIntegrity, 87.5f);
    Select("fresh");
    EXPECT_EQ(dlg.m_fHullIntegrity, 100.0f);
}

TEST_F(Loader, PatrolAreaIsCutToFourCharacters) {
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
        WriteCareer(c.career, NextPatrolText(std::string("EndLocation=753\nSubType=1\n") + c.line +
                                             "StartYear=1942\n"));
    }
    Start();
    for (const auto& c : cases) {
        Select(c.career);
        EXPECT_TRUE(dlg.CareerLoaded()) << c.career;
        EXPECT_EQ(dlg.m_strOriginalArea, c.area) << c.career;
        EXPECT_EQ(dlg.m_strGrid, c.grid) << c.career;
    }
}

TEST_F(Loader, NewestSaveOfThePatrolFolder) {
    struct SaveFile {
        const char* name;
        std::int64_t seconds;
        const char* area;
    };
    const struct {
        const char* career;
        std::vector<SaveFile> files;
        const char* chosen;  // nullptr: no save
    } cases[] = {
        {"newest",
         {{"old.psc", 1000, "AA11"}, {"new.psc", 2000, "BB22"}, {"mid.psc", 1500, "CC33"}},
         "new.psc"},
        // Same second: the first in upper-cased name order ('B' before '_').
        {"tie", {{"A_.psc", 5000, "AA11"}, {"ab.psc", 5000, "BB22"}}, "ab.psc"},
        {"tie-case", {{"b.psc", 5000, "AA11"}, {"A.psc", 5000, "BB22"}}, "A.psc"},
        {"upper-case", {{"a.psc", 1000, "AA11"}, {"B.PSC", 2000, "BB22"}}, "B.PSC"},
        {"not-saves",
         {{"a.psc", 1000, "AA11"},
          {"b.txt", 2000, "BB22"},
          {"c.psc.bak", 3000, "CC33"},
          {"psc", 4000, "DD44"}},
         "a.psc"},
        {"epoch", {{"a.psc", 0, "AA11"}}, nullptr},
        {"before-epoch", {{"a.psc", -100, "AA11"}}, nullptr},
    };
    for (const auto& c : cases) {
        WriteCareer(c.career);
        for (const SaveFile& f : c.files) {
            WriteSave(c.career, f.name, std::string("PatrolArea=") + f.area + "\n", f.seconds);
        }
    }
    WriteCareer("folder-save");
    WriteSave("folder-save", "a.psc", "PatrolArea=AA11\n", 1000);
    // A folder just made is newer than every save here, yet it is no save.
    fs::create_directories(CareerDir("folder-save") / "2" / "z.psc");
    WriteCareer("other-folder");
    WriteSave("other-folder", "a.psc", "PatrolArea=AA11\n", 1000, 3);
    WriteCareer("no-folder");
    Start();

    for (const auto& c : cases) {
        Select(c.career);
        if (c.chosen == nullptr) {
            EXPECT_EQ(dlg.m_nSeaStatus, SeaStatus::kAtHomeBase) << c.career;
            EXPECT_EQ(dlg.m_strSavePath, "") << c.career;
            continue;
        }
        EXPECT_EQ(dlg.m_nSeaStatus, SeaStatus::kAtSea) << c.career;
        EXPECT_EQ(fs::path(dlg.m_strSavePath), CareerDir(c.career) / "2" / c.chosen) << c.career;
        for (const SaveFile& f : c.files) {
            if (std::string(f.name) == c.chosen) {
                EXPECT_EQ(dlg.m_strSaveArea, f.area) << c.career;
            }
        }
    }
    Select("folder-save");
    EXPECT_EQ(fs::path(dlg.m_strSavePath).filename(), "a.psc");
    for (const char* career : {"other-folder", "no-folder"}) {
        Select(career);
        EXPECT_EQ(dlg.m_nSeaStatus, SeaStatus::kAtHomeBase) << career;
        EXPECT_EQ(dlg.m_strSavePath, "") << career;
        EXPECT_EQ(dlg.m_strSaveArea, "") << career;
        EXPECT_TRUE(dlg.CareerLoaded()) << career;
    }
    EXPECT_TRUE(controls.Messages().empty());
}

TEST_F(Loader, SavesWithinOneSecondAreATie) {
    WriteCareer("Hans");
    const fs::path later = WriteSave("Hans", "b.psc", "PatrolArea=BB22\n");
    const fs::path earlier = WriteSave("Hans", "a.psc", "PatrolArea=AA11\n");
    // Both in the same second; b.psc is 800 ms younger.
    const std::chrono::sys_seconds second{std::chrono::seconds(1'000'000'000)};
    fs::last_write_time(earlier,
                        std::chrono::file_clock::from_sys(second + std::chrono::milliseconds(100)));
    fs::last_write_time(later,
                        std::chrono::file_clock::from_sys(second + std::chrono::milliseconds(900)));
    Start();
    Select("Hans");
    EXPECT_EQ(fs::path(dlg.m_strSavePath), earlier);
    EXPECT_EQ(dlg.m_strSaveArea, "AA11");
}

TEST_F(Loader, SaveAreaIsTheLastPatrolAreaLine) {
    const struct {
        const char* career;
        const char* save;
        const char* area;
    } cases[] = {
        {"several", "PatrolArea=AA11\nX=1\nPatrolArea=BB22\n", "BB22"},
        {"long", "PatrolArea=CCDD33\n", "CCDD"},
        {"short", "PatrolArea=AB\n", "AB"},
        {"no-end", "X=1\nPatrolArea=EF5", "EF5"},
        {"not-a-key", " PatrolArea=ZZ99\npatrolarea=ZZ98\n", ""},
        {"empty", "", ""},
    };
    for (const auto& c : cases) {
        WriteCareer(c.career);
        WriteSave(c.career, "s.psc", c.save);
    }
    Start();
    for (const auto& c : cases) {
        Select(c.career);
        EXPECT_EQ(dlg.m_nSeaStatus, SeaStatus::kAtSea) << c.career;
        EXPECT_EQ(dlg.m_strSaveArea, c.area) << c.career;
    }
}

TEST_F(Loader, HistoryCountNamesThePatrolFolder) {
    // The two counts are not compared; the history's decides.
    WriteCareer("counts", NextPatrolText(kNextTarget, 5), HistoryText(kLastPatrol, 3));
    WriteSave("counts", "s.psc", "PatrolArea=AA11\n", 1000, 3);
    WriteSave("counts", "t.psc", "PatrolArea=BB22\n", 2000, 5);
    // Without a count of its own the history follows the next patrol's.
    WriteCareer("no-count", NextPatrolText(kNextTarget, 2),
                "[PATROL 001]\nEndYear=1940\n[PATROL 002]\nEndYear=1941\nEndMonth=6\n");
    WriteSave("no-count", "s.psc", "PatrolArea=CC33\n", 1000, 2);
    Start();

    Select("counts");
    EXPECT_EQ(dlg.m_nPatrolCount, 3);
    EXPECT_EQ(dlg.m_strSaveArea, "AA11");
    EXPECT_EQ(dlg.m_nEndYear, 1942);

    Select("no-count");
    EXPECT_TRUE(dlg.CareerLoaded());
    EXPECT_EQ(dlg.m_nPatrolCount, 2);
    EXPECT_EQ(dlg.m_nEndYear, 1941);
    EXPECT_EQ(dlg.m_nEndMonth, 6);
    EXPECT_EQ(dlg.m_strSaveArea, "CC33");
}

TEST_F(Loader, Base760AndTypeXXI) {
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
        WriteCareer(c.career,
                    NextPatrolText(std::string("EndLocation=760\n") + c.boat +
                                   "PatrolArea=AM52\nStartYear=1945\nStartMonth=2\n"),
                    HistoryText(c.ended));
    }
    Start();
    for (const auto& c : cases) {
        Select(c.career);
        EXPECT_EQ(dlg.m_strBoatType, c.type) << c.career;
        EXPECT_EQ(CodeOf(dlg.m_nBoatClass), c.boatClass) << c.career;
        EXPECT_EQ(dlg.m_strEndLocation, c.base) << c.career;
        EXPECT_EQ(CodeOf(dlg.m_nTheater), c.theater) << c.career;
        EXPECT_EQ(controls.FieldText(Field::BoatType), c.type) << c.career;
    }
}

TEST_F(Loader, FileNamesInAnyLetterCase) {
    WriteFile(dir.Path() / "Careers" / "Upper" / "PATROLS_0.CFG",
              Crlf(NextPatrolText(kNextTarget)));
    WriteFile(dir.Path() / "Careers" / "Upper" / "Patrols.Cfg", Crlf(HistoryText(kLastPatrol)));
    // With both spellings present the exact name is read (where both can exist).
    const bool both = CaseSensitiveNames(dir.Path());
    if (both) {
        WriteFile(dir.Path() / "Careers" / "Both" / "patrols_0.cfg",
                  Crlf(NextPatrolText(kNextTarget)));
        WriteFile(dir.Path() / "Careers" / "Both" / "PATROLS_0.CFG", "garbage");
        WriteFile(dir.Path() / "Careers" / "Both" / "patrols.cfg", Crlf(HistoryText(kLastPatrol)));
    }
    Start();
    for (const char* career : {"Upper", "Both"}) {
        if (std::string(career) == "Both" && !both) {
            continue;
        }
        Select(career);
        EXPECT_TRUE(dlg.CareerLoaded()) << career;
        EXPECT_EQ(dlg.m_strBoatType, "Type VIIC") << career;
        EXPECT_EQ(dlg.m_strEndDate, "12 March 1942") << career;
    }
    EXPECT_TRUE(controls.Messages().empty());
}

TEST_F(Loader, LineEndsAndLongLines) {
    WriteFile(CareerDir("lf") / "patrols_0.cfg", NextPatrolText(kNextTarget));
    WriteFile(CareerDir("lf") / "patrols.cfg", HistoryText(kLastPatrol));
    // A long line is one line: what stands after its 999th byte is no key and no header.
    WriteCareer("long",
                NextPatrolText(kNextTarget + "Comment=" + std::string(991, 'x') + "SubType=2\n"),
                HistoryText(std::string(999, ' ') + "[PATROL 009]\n" + kLastPatrol));
    Start();
    for (const char* career : {"lf", "long"}) {
        Select(career);
        EXPECT_TRUE(dlg.CareerLoaded()) << career;
        EXPECT_EQ(dlg.m_strBoatType, "Type VIIC") << career;
        EXPECT_EQ(dlg.m_strGrid, "BF17") << career;
        EXPECT_EQ(dlg.m_fHullIntegrity, 87.5f) << career;
    }
    EXPECT_TRUE(controls.Messages().empty());
}

TEST_F(Loader, WhatCannotBeOpenedIsMissing) {
    // A folder where the next-patrol file should be is no file.
    WriteCareer("folder");
    fs::remove(CareerDir("folder") / "patrols_0.cfg");
    fs::create_directories(CareerDir("folder") / "patrols_0.cfg");
    // A save that cannot be opened still puts the boat at sea, with no area of its own.
    WriteCareer("locked-save");
    WriteSave("locked-save", "locked.psc", "PatrolArea=CA53\n");
    Start();
    Select("folder");
    EXPECT_EQ(controls.Messages().back(), kNoNextPatrolFile);
    EXPECT_FALSE(dlg.CareerLoaded());
    files.failOpenName = "locked.psc";
    Select("locked-save");
    EXPECT_TRUE(dlg.CareerLoaded());
    EXPECT_EQ(dlg.m_strSeaStatus, "At Sea");
    EXPECT_EQ(dlg.m_strSaveArea, "");
}

TEST_F(Loader, FailedLoadLeavesNoCareer) {
    const struct {
        const char* career;
        std::string next;     // empty: no file
        std::string history;  // empty: no file
        const char* failReading;
        const std::string& message;
    } cases[] = {
        {"no-next", "", HistoryText(kLastPatrol), "", kNoNextPatrolFile},
        {"bad-init", "[INIT]\n[PATROL 002]\nPatrols=2\n", HistoryText(kLastPatrol), "",
         kBadNextPatrolFile},
        {"bad-next-section", NextPatrolText(kNextTarget + "[PATROL 004]\n"),
         HistoryText(kLastPatrol), "", kBadNextPatrolFile},
        {"unreadable-next", NextPatrolText(kNextTarget), HistoryText(kLastPatrol), "patrols_0.cfg",
         kBadNextPatrolFile},
        {"no-history", NextPatrolText(kNextTarget), "", "", kNoHistoryFile},
        {"bad-history", NextPatrolText(kNextTarget), HistoryText(kLastPatrol + "[PATROL 007]\n"),
         "", kBadHistoryFile},
        {"unreadable-history", NextPatrolText(kNextTarget), HistoryText(kLastPatrol), "patrols.cfg",
         kBadHistoryFile},
    };
    WriteCareer("good", NextPatrolText(kNextTarget), HistoryText(kLastPatrol));
    WriteSave("good", "s.psc", "PatrolArea=CA53\n");
    for (const auto& c : cases) {
        fs::create_directories(CareerDir(c.career));
        if (!c.next.empty()) {
            WriteFile(CareerDir(c.career) / "patrols_0.cfg", Crlf(c.next));
        }
        if (!c.history.empty()) {
            WriteFile(CareerDir(c.career) / "patrols.cfg", Crlf(c.history));
        }
    }
    fs::create_directories(CareerDir("vanished"));
    Start();
    fs::remove_all(CareerDir("vanished"));

    for (const auto& c : cases) {
        SCOPED_TRACE(c.career);
        files.failName = "";
        Select("good");
        ASSERT_TRUE(dlg.CareerLoaded());
        controls.SetChecked(CheckBox::AutoRadarUpdate, false);
        controls.SetChecked(CheckBox::EnteredMed, true);
        const std::size_t before = controls.Messages().size();

        files.failName = c.failReading;
        Select(c.career);
        ASSERT_EQ(controls.Messages().size(), before + 1);
        EXPECT_EQ(controls.Messages().back(), c.message);
        EXPECT_FALSE(dlg.CareerLoaded());
        EXPECT_EQ(dlg.m_strGrid, "");
        EXPECT_EQ(dlg.m_strOriginalArea, "");
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
    files.failName = "";
    const std::size_t before = controls.Messages().size();
    Select("vanished");
    ASSERT_EQ(controls.Messages().size(), before + 1);
    EXPECT_EQ(controls.Messages().back(), kNoNextPatrolFile);
    EXPECT_FALSE(dlg.CareerLoaded());
}

TEST_F(Loader, SelectingAgainDiscardsUnappliedEdits) {
    WriteCareer("Hans");
    Start();
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

TEST_F(Loader, RefusedFieldDoesNotStopTheLoad) {
    WriteCareer("Hans");
    Start();
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
