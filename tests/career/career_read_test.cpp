// The career read: which keys of which section count, the newest save of the
// patrol at sea, and which file failed; in memory, or on the disk where the
// case is about the disk (last-write times, letter case, a folder for a file).
#include "career/career_read.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "career_fixture.h"
#include "career_texts.h"
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

TEST(ReadCareer, TheNewestSaveIsToThePartOfASecond) {
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
    EXPECT_EQ(read.save->path, later);
    EXPECT_EQ(read.save->patrolArea, "BB22");
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

}  // namespace
}  // namespace kp
