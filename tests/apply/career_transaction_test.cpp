// The change's transaction at every file operation it makes: a change at a
// base, a change at sea, an Undo and the put-back at selection (and the same
// where the simulation has written a file since the selection, where a save
// has gone, where a file is read-only), each with one operation failing (an
// error, alone or followed by a failure of the put-back) or the program
// dying there (a kill). After the next selection the career is whole, one
// side or the other; while a file is not yet put back its record line and
// kept content are there; an undo point before a change that replaced
// nothing is still the undo point; and nothing the user was told is untrue
// of the files on the disk. Then the simulation writing a file at each of
// those points: its content is never lost.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <map>
#include <set>

#include "apply/apply_changes.h"
#include "apply/career_transaction.h"
#include "apply/change_record.h"
#include "apply/undo_changes.h"
#include "career/career_read.h"
#include "career_fixture.h"
#include "career_texts.h"
#include "change_request.h"
#include "faulty_file_ops.h"

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace kp {
namespace {

namespace fs = std::filesystem;

using Files = std::map<std::string, std::string>;  // path in the career folder -> bytes
using Shown = std::vector<std::string>;

// The record, kept content and temporary files: the program's own, not the career's.
bool IsOwnFile(const std::string& path) {
    const std::string name = fs::path(path).filename().string();
    return name.starts_with(kRecordName) || name.ends_with(kSaveTempExtension) ||
           std::find(kCareerTempFiles.begin(), kCareerTempFiles.end(), name) !=
               kCareerTempFiles.end();
}

Files ReadAll(const fs::path& folder) {
    Files files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            files[entry.path().lexically_relative(folder).generic_string()] =
                ReadFile(entry.path());
        }
    }
    return files;
}

// The career's own files, without the record and kept content.
Files CareerOf(const Files& all) {
    Files career;
    for (const auto& [path, bytes] : all) {
        if (!IsOwnFile(path)) {
            career[path] = bytes;
        }
    }
    return career;
}

void WriteAll(const fs::path& folder, const Files& files) {
    fs::remove_all(folder);
    for (const auto& [path, bytes] : files) {
        WriteFile(folder / path, bytes);
    }
}

ChangeDialogue Telling(Shown& shown) {
    return {[&shown](const std::string& text) { shown.push_back(text); },
            [&shown](const std::string& question) {
                shown.push_back(question);
                return true;
            }};
}

// "Make Changes" as the dialog makes it after selecting the career;
// `afterSelection` plays another program at work while the window is open.
void Change(FileOps& ops, const fs::path& career, const std::string& grid, TankerChoice choice,
            Shown& shown, const std::function<void()>& afterSelection = {}) {
    const CareerRead read = ReadCareer(ops, career);
    if (afterSelection) {
        afterSelection();
    }
    RandomSource random;
    random.Seed(7);
    ApplyChanges(ops, random, RequestAfter(read, grid, choice), Telling(shown));
}

void Select(FileOps& ops, const fs::path& career, Shown& shown) {
    PutRightInterruptedChange(ops, career, Telling(shown).show);
}

// One action under test, from a start it makes itself.
struct Action {
    const char* name;
    std::function<void(const fs::path& career)> prepare;  // fault free, on the disk
    std::function<void(FileOps& ops, const fs::path& career, Shown& shown)> run;
    const char* told = nullptr;  // part of what the action says without a fault
    // What the start keeps that its bytes do not: applied after every restore.
    std::function<void(const fs::path& career)> mark = {};
    // The action plays another program writing a career file: the program
    // itself writes nothing, not even for a moment.
    bool othersWrite = false;
};

const std::string kTheirs = Crlf("[INIT]\nPatrols=7\n[PATROL 007]\nPatrolArea=XX99\n");

void TheyWrite(const fs::path& career) {
    WriteFile(career / "patrols_0.cfg", kTheirs);
}

// A career with an undo point of its own before the action.
void WithUndoPoint(const fs::path& career, const Files& files) {
    WriteAll(career, files);
    Shown shown;
    Change(SystemFileOps(), career, "CA51", TankerChoice::kLandBase, shown);
    ASSERT_EQ(shown.back(), "Job Done.");
}

const Action kActions[] = {
    {"change at a base", [](const fs::path& c) { WithUndoPoint(c, CareerAtBaseTexts()); },
     [](FileOps& ops, const fs::path& c, Shown& shown) {
         Change(ops, c, "ES32", TankerChoice::kMid, shown);
     }},
    {"change at sea", [](const fs::path& c) { WithUndoPoint(c, CareerAtSeaTexts()); },
     [](FileOps& ops, const fs::path& c, Shown& shown) {
         Change(ops, c, "ES32", TankerChoice::kLandBase, shown);
     }},
    {"undo", [](const fs::path& c) { WithUndoPoint(c, CareerAtBaseTexts()); },
     [](FileOps& ops, const fs::path& c, Shown& shown) {
         UndoLastChanges(ops, c, Telling(shown));
     }},
    {"put-back at selection",
     [](const fs::path& c) {
         // A tanker change cut off after it had replaced the history alone.
         WriteAll(c, CareerAtBaseTexts());
         Shown shown;
         Change(SystemFileOps(), c, "ES32", TankerChoice::kMid, shown);
         ChangeRecord record = ReadRecord(SystemFileOps(), c).record;
         ASSERT_EQ(record.change.files.size(), 3u);
         for (std::size_t i = 1; i < 3; ++i) {
             const ReplacedFile& file = record.change.files[i];
             fs::rename(c / file.kept, c / file.path);
         }
         record.change.files.resize(1);
         record.state = RecordState::UnderWay;
         ASSERT_TRUE(WriteRecord(SystemFileOps(), c, record));
     },
     [](FileOps& ops, const fs::path& c, Shown& shown) { Select(ops, c, shown); }},
    {"change after the simulation wrote",
     [](const fs::path& c) { WithUndoPoint(c, CareerAtBaseTexts()); },
     [](FileOps& ops, const fs::path& c, Shown& shown) {
         Change(ops, c, "ES32", TankerChoice::kMid, shown, [&c] { TheyWrite(c); });
     },
     "have changed since it was selected",
     {},
     true},
    {"undo at sea, the save gone",
     [](const fs::path& c) {
         WithUndoPoint(c, CareerAtSeaTexts());
         fs::remove(c / "7" / "Save.psc");
     },
     [](FileOps& ops, const fs::path& c, Shown& shown) { UndoLastChanges(ops, c, Telling(shown)); },
     "The file 7/Save.psc of this career is gone since the last change"},
#ifndef _WIN32
    {"undo with a read-only file", [](const fs::path& c) { WithUndoPoint(c, CareerAtBaseTexts()); },
     [](FileOps& ops, const fs::path& c, Shown& shown) { UndoLastChanges(ops, c, Telling(shown)); },
     "because patrols_0.cfg is marked read-only. Clear its read-only mark",
     [](const fs::path& c) { fs::permissions(c / "patrols_0.cfg", fs::perms::owner_read); }},
#endif
};

void PrintTo(const Action& action, std::ostream* out) {
    *out << action.name;
}

bool Says(const Shown& shown, std::string_view part) {
    return std::any_of(shown.begin(), shown.end(), [&](const std::string& text) {
        return text.find(part) != std::string::npos;
    });
}

// Messages that say some file is not back yet.
bool SaysNotAllBack(const Shown& shown) {
    return Says(shown, "ot every file could be put back") ||
           Says(shown, "could not all be put back") || Says(shown, "cannot be put back");
}

class TransactionFaults : public ::testing::TestWithParam<Action> {
  protected:
    bool PutBackAtSelection() const { return GetParam().name == kActions[3].name; }
    fs::path Career() const { return cfg_.Path() / "careers" / "Topp"; }

    void Restore() {
        WriteAll(Career(), start_);
        if (GetParam().mark) {
            GetParam().mark(Career());
        }
    }

    // The action once without a fault: where it starts, where it ends, what
    // it says and how many file operations it makes.
    void SetUp() override {
        GetParam().prepare(Career());
        start_ = ReadAll(Career());
        Restore();
        FaultyFileOps counter(SystemFileOps());
        Shown shown;
        GetParam().run(counter, Career(), shown);
        operations_ = counter.Count();
        end_ = CareerOf(ReadAll(Career()));
        if (GetParam().told) {
            EXPECT_TRUE(Says(shown, GetParam().told)) << (shown.empty() ? "" : shown.back());
        }
        Restore();
        startRecord_ = ReadRecord(SystemFileOps(), Career()).record;
        ASSERT_GT(operations_, 3);
    }

    void Check(const std::string& what, const Shown& shown, bool canRemove) {
        const Files right = ReadAll(Career());
        const Files career = CareerOf(right);
        // Where another program wrote, the program's own start is after it
        // too, unless it was cut off before the other program came.
        const bool ended = career == end_;
        const bool started = career == CareerOf(start_) || (GetParam().othersWrite && ended);
        if (GetParam().othersWrite) {
            EXPECT_TRUE(started) << what << ": a file was replaced though another had changed";
        }
        const RecordRead read = ReadRecord(SystemFileOps(), Career());
        EXPECT_TRUE(read.problem.empty()) << what << ": " << read.problem;

        // Not whole yet: everything needed to put it back is still there.
        if (!ended && (!started || PutBackAtSelection())) {
            ASSERT_EQ(read.record.state, RecordState::UnderWay) << what << ": mixed, no record";
            for (const ReplacedFile& file : read.record.change.files) {
                const auto now = ContentOf(SystemFileOps(), Career() / file.path);
                if (now != file.old) {
                    EXPECT_EQ(ContentOf(SystemFileOps(), Career() / file.kept), file.old)
                        << what << ": " << file.path << " is not back and its kept content is gone";
                }
            }
        }

        // A run that could remove files takes away the kept content no record names.
        if (canRemove && read.record.state != RecordState::UnderWay) {
            std::set<std::string> named;
            for (const ReplacedFile& file : read.record.change.files) {
                named.insert(file.kept);
            }
            for (const auto& [path, bytes] : right) {
                EXPECT_TRUE(!path.starts_with(kRecordName) || path == kRecordName ||
                            named.contains(path))
                    << what << ": " << path << " left behind";
            }
        }

        // What was said is true of the disk.
        EXPECT_FALSE(Says(shown, "Move that file out of the folder"))
            << what << ": a record that is sound was called one to move away";
        if (!started && !ended && !shown.empty()) {
            EXPECT_TRUE(SaysNotAllBack(shown)) << what << ": mixed, and not told so";
        }
        if (Says(shown, "Job Done.")) {
            EXPECT_TRUE(ended) << what << ": Job Done. over a change not whole";
        }
        if (Says(shown, "so the career was left as it was") || Says(shown, "nothing was changed") ||
            Says(shown, "nothing was written")) {
            if (!Says(shown, "interrupted")) {
                EXPECT_TRUE(started) << what << ": told nothing changed, but files did";
            }
        }
        if (Says(shown, "were put back as they were before it")) {
            EXPECT_TRUE(ended) << what << ": told put back, but files are not";
        }

        // The next selection finds the career whole, one side or the other.
        Shown next;
        Select(SystemFileOps(), Career(), next);
        const Files afterAll = ReadAll(Career());
        const Files after = CareerOf(afterAll);
        for (const auto& [path, bytes] : afterAll) {
            EXPECT_TRUE(!IsOwnFile(path) || path.starts_with(kRecordName))
                << what << ": " << path << " left after the next selection";
        }
        const bool afterStarted =
            after == CareerOf(start_) || (GetParam().othersWrite && after == end_);
        const bool afterEnded = after == end_;
        if (PutBackAtSelection()) {
            EXPECT_TRUE(afterEnded) << what << ": not put back by the next selection";
        } else {
            EXPECT_TRUE(afterStarted || afterEnded) << what << ": mixed after the next selection";
        }

        // A change that replaced nothing leaves the undo point before it.
        const ChangeRecord record = ReadRecord(SystemFileOps(), Career()).record;
        if (afterStarted && startRecord_.state == RecordState::Whole &&
            std::string(GetParam().name).starts_with("change")) {
            EXPECT_EQ(record.state, RecordState::Whole) << what << ": the undo point is gone";
            EXPECT_EQ(RecordText(record), RecordText(startRecord_))
                << what << ": the undo point changed";
            for (const ReplacedFile& file : record.change.files) {
                EXPECT_EQ(ContentOf(SystemFileOps(), Career() / file.kept), file.old)
                    << what << ": kept content of the undo point lost";
            }
        }
    }

    ScratchFolder cfg_;
    Files start_;
    Files end_;
    ChangeRecord startRecord_;
    int operations_ = 0;
};

// Each operation fails once alone, and once with the first replacement
// after it failing too, which gives a put-back after a failed change its own
// failure.
TEST_P(TransactionFaults, AnErrorAtEveryOperation) {
#ifdef _WIN32
    // The transaction is the same on both systems; under Wine one pass keeps
    // the suite's time.
    for (const bool putBackFails : {false}) {
#else
    for (const bool putBackFails : {false, true}) {
#endif
        for (int n = 1; n <= operations_; ++n) {
            Restore();
            FaultyFileOps faulty(SystemFileOps());
            faulty.FailAt(n);
            if (putBackFails) {
                faulty.ThenFailNext(FileOp::Replace);
            }
            Shown shown;
            GetParam().run(faulty, Career(), shown);
            Check(std::string(GetParam().name) + ", " +
                      FileOpName(faulty.Log().at(static_cast<std::size_t>(n - 1))) + " #" +
                      std::to_string(n) + " fails" +
                      (putBackFails ? ", and the next replacement" : ""),
                  shown, faulty.Log().at(static_cast<std::size_t>(n - 1)) != FileOp::Remove);
        }
    }
}

#ifndef _WIN32
TEST_P(TransactionFaults, AKillAtEveryOperation) {
    for (int n = 1; n <= operations_; ++n) {
        Restore();
        const pid_t child = fork();
        if (child == 0) {
            FaultyFileOps dying(SystemFileOps());
            dying.EndAt(n);
            Shown shown;
            GetParam().run(dying, Career(), shown);
            std::_Exit(0);
        }
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status)) << "child " << n;
        Check(std::string(GetParam().name) + ", killed at operation #" + std::to_string(n), {},
              false);
    }
}
#endif

INSTANTIATE_TEST_SUITE_P(EveryPath, TransactionFaults, ::testing::ValuesIn(kActions),
                         [](const ::testing::TestParamInfo<Action>& action) {
                             std::string name = action.param.name;
                             std::replace_if(
                                 name.begin(), name.end(),
                                 [](char c) {
                                     return !std::isalnum(static_cast<unsigned char>(c));
                                 },
                                 '_');
                             return name;
                         });

#ifndef _WIN32
// The simulation writes patrols_0.cfg just before each file operation of a
// tanker change at a base, in place or as a new file renamed over it. Its
// content is never lost where the system swaps two names in one step; where
// it cannot, only a write during the last check's reads or just before the
// rename itself is.
TEST(MomentOfReplacement, TheSimulationsWriteIsKept) {
    ScratchFolder cfg;
    const fs::path career = cfg.Path() / "careers" / "Topp";
    WriteAll(career, CareerAtBaseTexts());
    const Files start = ReadAll(career);
    for (const bool swaps : {true, false}) {
        for (const bool inPlace : {true, false}) {
            // True when it wrote: Windows lets nobody rename over a file
            // that is open, so a write may find the file busy, as the
            // simulation would.
            const auto write = [&] {
                if (inPlace) {
                    std::ofstream out(career / "patrols_0.cfg", std::ios::binary | std::ios::trunc);
                    return static_cast<bool>(out << kTheirs);
                }
                WriteFile(cfg.Path() / "theirs", kTheirs);
                std::error_code error;
                fs::rename(cfg.Path() / "theirs", career / "patrols_0.cfg", error);
                return !error;
            };
            std::vector<std::string> lost;
            bool reached = true;
            for (int n = 1; reached; ++n) {
                WriteAll(career, start);
                FaultyFileOps ops(SystemFileOps());
                if (!swaps) {
                    ops.RefuseExchange();
                }
                bool wrote = false;
                reached = false;
                ops.Before(n, [&] {
                    reached = true;
                    wrote = write();
                });
                Shown shown;
                Change(ops, career, "ES32", TankerChoice::kMid, shown);
                if (wrote && ReadFile(career / "patrols_0.cfg") != kTheirs) {
                    lost.push_back(FileOpName(ops.Log().at(static_cast<std::size_t>(n - 1))) +
                                   " #" + std::to_string(n));
                }
            }
            const std::string way = std::string(swaps ? "swapped" : "renamed") +
                                    (inPlace ? ", written in place" : ", renamed over");
            if (swaps) {
                EXPECT_EQ(lost, std::vector<std::string>{}) << way;
            } else {
                EXPECT_LE(lost.size(), 3u) << way;
                for (const std::string& at : lost) {
                    EXPECT_TRUE(at.starts_with("replace") || at.starts_with("read"))
                        << way << ": lost before " << at;
                }
            }
        }
    }
}

// A call out of its order ends the program before it can replace a file
// that was never recorded.
TEST(CareerTransactionDeathTest, ACallOutOfOrderStopsBeforeAnyFileIsReplaced) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ScratchFolder cfg;
    const fs::path career = cfg.Path() / "careers" / "Topp";
    WriteAll(career, CareerAtBaseTexts());
    const fs::path file = career / "patrols_0.cfg";
    const fs::path temp = career / "patrols_TMP.cfg";
    WriteFile(temp, "new");
    const std::string before = ReadFile(file);
    const Content old = *ContentOf(SystemFileOps(), file);
    const Content fresh = *ContentOf(SystemFileOps(), temp);
    EXPECT_DEATH(
        {
            CareerTransaction transaction(SystemFileOps(), career);
            transaction.Replace(file, temp, old, fresh);
        },
        "CareerTransaction::Replace called before Enter");
    EXPECT_DEATH(
        {
            CareerTransaction transaction(SystemFileOps(), career);
            ASSERT_EQ(transaction.Enter().entry, Entry::Ready);
            transaction.Replace(file, temp, old, fresh);
        },
        "CareerTransaction::Replace called after Enter and before Begin");
    EXPECT_EQ(ReadFile(file), before);
    EXPECT_EQ(ReadFile(temp), "new");
}

#endif

}  // namespace
}  // namespace kp
