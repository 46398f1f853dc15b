// The career read: which keys of which section count, the newest save of the
// patrol at sea, and which file failed; in memory, or on the disk where the
// case is about the disk (last-write times, letter case, a folder for a file).
// Then selecting a career in the dialog: what the dialog makes of the read
// (boat, base, sea status, grid), what it shows, what a failed load leaves.
#include "career/career_loader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "career_fixture.h"
#include "career_texts.h"
#include "dialog_fixture.h"
#include "memory_file_ops.h"

namespace kp {
namespace {

namespace fs = std::filesystem;

const fs::path kCareer = "/cfg/careers/Hans";

MemoryFileOps InMemory(const std::string& next, const std::string& history) {
    MemoryFileOps ops;
    ops.Put(kCareer / "patrols_0.cfg", Crlf(next));
    ops.Put(kCareer / "patrols.cfg", Crlf(history));
    return ops;
}

void SetWriteTime(const fs::path& file, std::chrono::sys_time<std::chrono::milliseconds> when) {
    fs::last_write_time(file, std::chrono::file_clock::from_sys(when));
}

// A save on the disk, in the folder of patrol `patrolFolder`.
fs::path WriteSave(const fs::path& career, const std::string& file, const std::string& content,
                   std::int64_t seconds = 1'000'000'000, int patrolFolder = 2) {
    const fs::path path = career / std::to_string(patrolFolder) / file;
    WriteFile(path, Crlf(content));
    SetWriteTime(path, std::chrono::sys_seconds{std::chrono::seconds(seconds)});
    return path;
}

// Files in memory, with the reads of one failing, or its opening.
class FailingReads final : public MemoryFileOps {
  public:
    std::string failName;
    std::string failOpenName;

    std::unique_ptr<InputFile> OpenRead(const fs::path& path) override {
        if (path.filename() == failOpenName) {
            return nullptr;
        }
        auto file = MemoryFileOps::OpenRead(path);
        if (file && path.filename() == failName) {
            return std::make_unique<Broken>();
        }
        return file;
    }

  private:
    struct Broken final : InputFile {
        std::ptrdiff_t Read(char*, std::size_t) override { return -1; }
    };
};

TEST(ReadCareer, OnlyExactKeysOfTheTargetSectionCount) {
    MemoryFileOps ops =
        InMemory(NextPatrolText("SubType=1\n SubType=2\nsubtype=2\nSubType =2\nSubVersion=0\n"
                                "SubVersion=2\nEndLocation=753\nPatrolArea=BF17\n"
                                "[PATROL 003]\nStartMonth=1\nStartYear=1941\n"),
                 HistoryText("EndYear=1941\nHullIntegrity=50\nEndYear=1943\n"));
    const CareerRead read = ReadCareer(ops, kCareer);
    EXPECT_FALSE(read.failure);
    EXPECT_EQ(read.next.subType, 1);
    EXPECT_EQ(read.next.subVersion, 2);  // the later line wins
    EXPECT_EQ(read.next.endLocation, 753);
    // Keys of other sections are not this patrol's.
    EXPECT_EQ(read.next.startYear, -1);
    EXPECT_EQ(read.next.startMonth, -1);
    EXPECT_EQ(read.last.endYear, 1943);
    EXPECT_EQ(read.last.endMonth, -1);
    EXPECT_EQ(read.last.endDay, -1);
    EXPECT_EQ(read.last.hullIntegrity, 50.0f);

    MemoryFileOps fresh = InMemory(NextPatrolText(kNextTarget), HistoryText("EndYear=1942\n"));
    EXPECT_EQ(ReadCareer(fresh, kCareer).last.hullIntegrity, 100.0f);
}

TEST(ReadCareer, LineEndsAndLongLines) {
    MemoryFileOps lf;
    lf.Put(kCareer / "patrols_0.cfg", NextPatrolText(kNextTarget));
    lf.Put(kCareer / "patrols.cfg", HistoryText(kLastPatrol));
    // A long line is one line: what stands after its 999th byte is no key and no header.
    MemoryFileOps longLines =
        InMemory(NextPatrolText(kNextTarget + "Comment=" + std::string(991, 'x') + "SubType=2\n"),
                 HistoryText(std::string(999, ' ') + "[PATROL 009]\n" + kLastPatrol));
    for (MemoryFileOps* ops : {&lf, &longLines}) {
        const CareerRead read = ReadCareer(*ops, kCareer);
        EXPECT_FALSE(read.failure);
        EXPECT_EQ(read.next.subType, 1);
        EXPECT_EQ(read.next.patrolArea, "BF17");
        EXPECT_EQ(read.last.hullIntegrity, 87.5f);
    }
}

TEST(ReadCareer, FileNamesInAnyLetterCase) {
    ScratchFolder dir;
    WriteFile(dir.Path() / "Upper" / "PATROLS_0.CFG", Crlf(NextPatrolText(kNextTarget)));
    WriteFile(dir.Path() / "Upper" / "Patrols.Cfg", Crlf(HistoryText(kLastPatrol)));
    std::vector<fs::path> careers = {dir.Path() / "Upper"};
    // With both spellings present the exact name is read (where both can exist).
    if (CaseSensitiveNames(dir.Path())) {
        WriteCareer(dir.Path(), "Both", NextPatrolText(kNextTarget), HistoryText(kLastPatrol));
        WriteFile(dir.Path() / "careers" / "Both" / "PATROLS_0.CFG", "garbage");
        careers.push_back(dir.Path() / "careers" / "Both");
    }
    for (const fs::path& career : careers) {
        const CareerRead read = ReadCareer(SystemFileOps(), career);
        EXPECT_FALSE(read.failure) << career;
        EXPECT_EQ(read.next.subType, 1) << career;
        EXPECT_EQ(read.next.subVersion, 1) << career;
        EXPECT_EQ(read.last.endDay, 12) << career;
        EXPECT_EQ(read.last.endMonth, 3) << career;
        EXPECT_EQ(read.last.endYear, 1942) << career;
    }
}

TEST(ReadCareer, WhichFileFailedAndHow) {
    const struct {
        const char* career;
        std::string next;     // empty: no file
        std::string history;  // empty: no file
        const char* failReading;
        LoadFailure failure;
    } cases[] = {
        {"vanished", "", "", "", LoadFailure::NoNextPatrolFile},
        {"no-next", "", HistoryText(kLastPatrol), "", LoadFailure::NoNextPatrolFile},
        {"bad-init", "[INIT]\n[PATROL 002]\nPatrols=2\n", HistoryText(kLastPatrol), "",
         LoadFailure::BadNextPatrolFile},
        {"bad-next-section", NextPatrolText(kNextTarget + "[PATROL 004]\n"),
         HistoryText(kLastPatrol), "", LoadFailure::BadNextPatrolFile},
        {"unreadable-next", NextPatrolText(kNextTarget), HistoryText(kLastPatrol), "patrols_0.cfg",
         LoadFailure::BadNextPatrolFile},
        {"no-history", NextPatrolText(kNextTarget), "", "", LoadFailure::NoHistoryFile},
        {"bad-history", NextPatrolText(kNextTarget), HistoryText(kLastPatrol + "[PATROL 007]\n"),
         "", LoadFailure::BadHistoryFile},
        {"unreadable-history", NextPatrolText(kNextTarget), HistoryText(kLastPatrol), "patrols.cfg",
         LoadFailure::BadHistoryFile},
    };
    for (const auto& c : cases) {
        FailingReads ops;
        if (!c.next.empty()) {
            ops.Put(kCareer / "patrols_0.cfg", Crlf(c.next));
        }
        if (!c.history.empty()) {
            ops.Put(kCareer / "patrols.cfg", Crlf(c.history));
        }
        ops.failName = c.failReading;
        EXPECT_EQ(ReadCareer(ops, kCareer).failure, c.failure) << c.career;
    }

    // A folder where the next-patrol file should be is no file.
    ScratchFolder dir;
    WriteCareer(dir.Path(), "folder", NextPatrolText(kNextTarget), HistoryText(kLastPatrol));
    const fs::path folder = dir.Path() / "careers" / "folder";
    fs::remove(folder / "patrols_0.cfg");
    fs::create_directories(folder / "patrols_0.cfg");
    EXPECT_EQ(ReadCareer(SystemFileOps(), folder).failure, LoadFailure::NoNextPatrolFile);
}

// A read that fails keeps what it read before; the history is found whatever
// its name's letter case.
TEST(ReadCareer, KeepsWhatCameBeforeTheFileThatFailed) {
    MemoryFileOps ops;
    ops.Put(kCareer / "patrols_0.cfg",
            Crlf("[INIT]\nPatrols=1\n[PATROL 001]\nEndLocation=753\nSubType=1\nSubVersion=1\n"
                 "PatrolArea=BF17\nStartYear=1942\nStartMonth=6\n"));
    const CareerRead noHistory = ReadCareer(ops, kCareer);
    EXPECT_EQ(noHistory.failure, LoadFailure::NoHistoryFile);
    EXPECT_EQ(noHistory.next.patrolArea, "BF17");
    EXPECT_EQ(noHistory.next.startMonth, 6);

    ops.Put(kCareer / "PATROLS.CFG",
            Crlf("[INIT]\nPatrols=1\n[PATROL 000]\nEndYear=1942\nEndMonth=5\nEndDay=12\n"
                 "HullIntegrity=87.5\n"));
    ops.Put(kCareer / "1" / "a.psc", "PatrolArea=CA53X\r\n");
    const CareerRead read = ReadCareer(ops, kCareer);
    EXPECT_FALSE(read.failure);
    EXPECT_EQ(read.last.endDay, 12);
    EXPECT_FLOAT_EQ(read.last.hullIntegrity, 87.5f);
    ASSERT_TRUE(read.save);
    EXPECT_EQ(read.save->patrolArea, "CA53");
    EXPECT_EQ(read.save->stem, kCareer / "1" / "a");
}

TEST(EndDateText, DayMonthAndYearLeavingOutWhatTheFileLacks) {
    const struct {
        int day;
        int month;
        int year;
        const char* text;
    } cases[] = {
        {12, 3, 1941, "12 March 1941"},     {-1, 3, 1941, "March 1941"},
        {12, 13, 1941, "12 Unknown 1941"},  {1, 0, 1941, "1 Unknown 1941"},
        {12, 3, -1, "12 March "},           {-1, -1, -1, "Unknown "},
        {31, 12, 1944, "31 December 1944"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EndDateText(c.day, {c.year, c.month}), c.text);
    }
}

TEST(ReadCareer, NewestSaveOfThePatrolFolder) {
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
        {"no-folder", {}, nullptr},
    };
    ScratchFolder dir;
    for (const auto& c : cases) {
        const fs::path career = dir.Path() / "careers" / c.career;
        WriteCareer(dir.Path(), c.career, NextPatrolText(kNextTarget), HistoryText(kLastPatrol));
        for (const SaveFile& f : c.files) {
            WriteSave(career, f.name, std::string("PatrolArea=") + f.area + "\n", f.seconds);
        }
        const CareerRead read = ReadCareer(SystemFileOps(), career);
        EXPECT_FALSE(read.failure) << c.career;
        if (c.chosen == nullptr) {
            EXPECT_FALSE(read.save) << c.career;
            continue;
        }
        ASSERT_TRUE(read.save) << c.career;
        EXPECT_EQ(read.save->path, career / "2" / c.chosen) << c.career;
        for (const SaveFile& f : c.files) {
            if (std::string(f.name) == c.chosen) {
                EXPECT_EQ(read.save->patrolArea, f.area) << c.career;
            }
        }
    }

    // A folder just made is newer than every save here, yet it is no save.
    const fs::path folderSave = dir.Path() / "careers" / "folder-save";
    WriteCareer(dir.Path(), "folder-save", NextPatrolText(kNextTarget), HistoryText(kLastPatrol));
    WriteSave(folderSave, "a.psc", "PatrolArea=AA11\n", 1000);
    fs::create_directories(folderSave / "2" / "z.psc");
    const CareerRead read = ReadCareer(SystemFileOps(), folderSave);
    ASSERT_TRUE(read.save);
    EXPECT_EQ(read.save->path.filename(), "a.psc");

    // Only the folder the history names is searched.
    const fs::path otherFolder = dir.Path() / "careers" / "other-folder";
    WriteCareer(dir.Path(), "other-folder", NextPatrolText(kNextTarget), HistoryText(kLastPatrol));
    WriteSave(otherFolder, "a.psc", "PatrolArea=AA11\n", 1000, 3);
    EXPECT_FALSE(ReadCareer(SystemFileOps(), otherFolder).save);
}

TEST(ReadCareer, SavesWithinOneSecondAreATie) {
    ScratchFolder dir;
    const fs::path career = dir.Path() / "careers" / "Hans";
    WriteCareer(dir.Path(), "Hans", NextPatrolText(kNextTarget), HistoryText(kLastPatrol));
    const fs::path later = WriteSave(career, "b.psc", "PatrolArea=BB22\n");
    const fs::path earlier = WriteSave(career, "a.psc", "PatrolArea=AA11\n");
    // Both in the same second; b.psc is 800 ms younger.
    const std::chrono::sys_seconds second{std::chrono::seconds(1'000'000'000)};
    SetWriteTime(earlier, second + std::chrono::milliseconds(100));
    SetWriteTime(later, second + std::chrono::milliseconds(900));
    const CareerRead read = ReadCareer(SystemFileOps(), career);
    ASSERT_TRUE(read.save);
    EXPECT_EQ(read.save->path, earlier);
    EXPECT_EQ(read.save->patrolArea, "AA11");
}

TEST(ReadCareer, SaveAreaIsTheLastPatrolAreaLine) {
    const struct {
        const char* save;
        bool opens;
        const char* area;
    } cases[] = {
        {"PatrolArea=AA11\nX=1\nPatrolArea=BB22\n", true, "BB22"},
        {"PatrolArea=CCDD33\n", true, "CCDD"},
        {"PatrolArea=AB\n", true, "AB"},
        {"X=1\nPatrolArea=EF5", true, "EF5"},
        {" PatrolArea=ZZ99\npatrolarea=ZZ98\n", true, ""},
        {"", true, ""},
        // A save that cannot be opened is the boat's all the same, with no area of its own.
        {"PatrolArea=CA53\n", false, ""},
    };
    for (const auto& c : cases) {
        FailingReads ops;
        ops.Put(kCareer / "patrols_0.cfg", Crlf(NextPatrolText(kNextTarget)));
        ops.Put(kCareer / "patrols.cfg", Crlf(HistoryText(kLastPatrol)));
        ops.Put(kCareer / "2" / "s.psc", Crlf(c.save));
        ops.failOpenName = c.opens ? "" : "s.psc";
        const CareerRead read = ReadCareer(ops, kCareer);
        ASSERT_TRUE(read.save) << c.save;
        EXPECT_EQ(read.save->path, kCareer / "2" / "s.psc") << c.save;
        EXPECT_EQ(read.save->patrolArea, c.area) << c.save;
    }
}

TEST(ReadCareer, HistoryCountNamesThePatrolFolder) {
    // The two counts are not compared; the history's decides.
    MemoryFileOps counts = InMemory(NextPatrolText(kNextTarget, 5), HistoryText(kLastPatrol, 3));
    counts.Put(kCareer / "3" / "s.psc", "PatrolArea=AA11\r\n");
    counts.Put(kCareer / "5" / "t.psc", "PatrolArea=BB22\r\n");
    CareerRead read = ReadCareer(counts, kCareer);
    EXPECT_EQ(read.last.count, 3);
    ASSERT_TRUE(read.save);
    EXPECT_EQ(read.save->patrolArea, "AA11");
    EXPECT_EQ(read.last.endYear, 1942);

    // Without a count of its own the history follows the next patrol's.
    MemoryFileOps noCount =
        InMemory(NextPatrolText(kNextTarget, 2),
                 "[PATROL 001]\nEndYear=1940\n[PATROL 002]\nEndYear=1941\nEndMonth=6\n");
    noCount.Put(kCareer / "2" / "s.psc", "PatrolArea=CC33\r\n");
    read = ReadCareer(noCount, kCareer);
    EXPECT_FALSE(read.failure);
    EXPECT_EQ(read.last.count, 2);
    EXPECT_EQ(read.last.endYear, 1941);
    EXPECT_EQ(read.last.endMonth, 6);
    ASSERT_TRUE(read.save);
    EXPECT_EQ(read.save->patrolArea, "CC33");
}

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

TEST_F(CareerSelection, NothingOfTheCareerBeforeStays) {
    Write("full");
    Write("partial", NextPatrolText("SubType=1\nSubVersion=2\nEndLocation=753\nPatrolArea=BF17\n"),
          HistoryText("EndYear=1943\n"));
    ASSERT_TRUE(Open(dir.Path()));
    Select("full");
    ASSERT_EQ(dlg.m_fHullIntegrity, 87.5f);
    Select("partial");
    EXPECT_TRUE(dlg.CareerLoaded());
    EXPECT_EQ(dlg.m_strBoatType, "Type VIIC/41");
    EXPECT_EQ(dlg.m_nStartYear, -1);
    EXPECT_EQ(dlg.m_nStartMonth, -1);
    EXPECT_EQ(dlg.m_nEndYear, 1943);
    EXPECT_EQ(dlg.m_nEndMonth, -1);
    EXPECT_EQ(dlg.m_nEndDay, -1);
    EXPECT_EQ(dlg.m_fHullIntegrity, 100.0f);
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
        EXPECT_EQ(dlg.m_strOriginalArea, c.area) << c.career;
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
        EXPECT_EQ(CodeOf(dlg.m_nBoatClass), c.boatClass) << c.career;
        EXPECT_EQ(dlg.m_strEndLocation, c.base) << c.career;
        EXPECT_EQ(CodeOf(dlg.m_nTheater), c.theater) << c.career;
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
