// The change record is read as untrusted input: a record that names anything
// but the career's own files and the program's own names is refused whole,
// nothing is reached through a link at any step, and kept content that is
// not what was kept is never put back. A put-back that cannot finish (a
// damaged kept copy, a read-only file) does not begin. In every case nothing
// in or beside the career is changed or deleted and the user is told why.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "apply/apply_changes.h"
#include "apply/change_record.h"
#include "apply/undo_changes.h"
#include "career/career_read.h"
#include "career_fixture.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace kp {
namespace {

namespace fs = std::filesystem;

using Shown = std::vector<std::string>;

struct Row {
    const char* name;
    std::function<void(const fs::path& career)> spoil;
    const char* told;  // part of the message
};

void Replace(const fs::path& file, const std::string& from, const std::string& to) {
    std::string text = ReadFile(file);
    text.replace(text.find(from), from.size(), to);
    WriteFile(file, text);
}

void WithRecordLine(const fs::path& career, const std::string& line) {
    WriteFile(career / kRecordName, ReadFile(career / kRecordName) + line + "\n");
}

// The change as cut off after it had replaced both its files.
void CutOff(const fs::path& career) {
    Replace(career / kRecordName, "state\twhole", "state\tunder way");
}

#ifndef _WIN32
// A record of a change cut off that names a save through a patrol folder
// that is a link to a folder outside the career, holding what the record's
// author chose.
void ThroughALinkedFolder(const fs::path& career) {
    const fs::path outside = career / ".." / "outside";
    WriteFile(outside / "x.psc", "theirs");
    WriteFile(outside / "x.TMP", "theirs too");
    fs::create_directory_symlink(outside, career / "7");
    ChangeRecord record = ReadRecord(SystemFileOps(), career).record;
    record.state = RecordState::UnderWay;
    record.change.files.resize(1);
    record.change.files[0].path = "7/x.psc";
    record.change.files[0].fresh = *ContentOf(SystemFileOps(), outside / "x.psc");
    record.change.temps = {"7/x.TMP"};
    ASSERT_TRUE(WriteRecord(SystemFileOps(), career, record));
}
#endif

const Row kRows[] = {
    {"a temp line naming a career file",
     [](const fs::path& c) { WithRecordLine(c, "temp\tpatrols.cfg"); }, "KelmarPatrol.undo"},
    {"a file outside the career",
     [](const fs::path& c) { Replace(c / kRecordName, "\tpatrols_0.cfg", "\t../outside.cfg"); },
     "KelmarPatrol.undo"},
    {"an absolute path",
     [](const fs::path& c) {
         Replace(c / kRecordName, "\tpatrols_0.cfg", "\t/cfg/careers/outside.cfg");
     },
     "KelmarPatrol.undo"},
    {"an empty name in a path",
     [](const fs::path& c) { Replace(c / kRecordName, "\tpatrols_0.cfg", "\t7//x.psc"); },
     "KelmarPatrol.undo"},
    {"a kept name not the program's",
     [](const fs::path& c) { Replace(c / kRecordName, "KelmarPatrol.undo1", "../x"); },
     "KelmarPatrol.undo"},
    {"a missing kept file", [](const fs::path& c) { fs::remove(c / "KelmarPatrol.undo1"); },
     "missing or damaged"},
    {"a wrong fingerprint",
     [](const fs::path& c) { WriteFile(c / "KelmarPatrol.undo1", "damaged"); },
     "missing or damaged"},
#ifndef _WIN32
    {"a kept file that is a link",
     [](const fs::path& c) {
         fs::rename(c / "KelmarPatrol.undo1", c / ".." / "elsewhere");
         fs::create_symlink(c / ".." / "elsewhere", c / "KelmarPatrol.undo1");
     },
     "missing or damaged"},
    {"a kept file that is a FIFO",
     [](const fs::path& c) {
         fs::remove(c / "KelmarPatrol.undo1");
         ASSERT_EQ(::mkfifo((c / "KelmarPatrol.undo1").c_str(), 0600), 0);
     },
     "missing or damaged"},
    {"a record that is a link",
     [](const fs::path& c) {
         fs::rename(c / kRecordName, c / ".." / "record");
         fs::create_symlink(c / ".." / "record", c / kRecordName);
     },
     "KelmarPatrol.undo"},
    {"a patrol folder that is a link", ThroughALinkedFolder, "interrupted"},
    {"a read only file",
     [](const fs::path& c) { fs::permissions(c / "patrols_0.cfg", fs::perms::owner_read); },
     "nothing was changed, because patrols_0.cfg is marked read-only"},
    {"a read only file in a change cut off",
     [](const fs::path& c) {
         CutOff(c);
         fs::permissions(c / "patrols_0.cfg", fs::perms::owner_read);
     },
     "cannot be put back because patrols_0.cfg is marked read-only, so nothing was written. To "
     "put them back, clear its read-only mark and select the career again."},
#endif
    {"a damaged kept copy in a change cut off",
     [](const fs::path& c) {
         CutOff(c);
         WriteFile(c / "KelmarPatrol.undo2", ReadFile(c / "KelmarPatrol.undo2") + "x");
     },
     "missing or damaged"},
    {"a line that is just prior", [](const fs::path& c) { WithRecordLine(c, "prior"); },
     "KelmarPatrol.undo"},
    {"a time of 19 digits",
     [](const fs::path& c) { Replace(c / kRecordName, "\t0\n", "\t9223372036854775807\n"); },
     "beyond the year 9999"},
};

// What lies in and beside the career, links as links, files with their
// permissions; the lock file, which stays once made, aside.
std::map<std::string, std::string> Listing(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string name = entry.path().lexically_relative(folder).generic_string();
        if (entry.path().filename() == kLockFileName) {
            continue;
        }
        files[name] = entry.is_symlink() ? "link to " + fs::read_symlink(entry).string()
                      : entry.is_regular_file()
                          ? std::to_string(static_cast<int>(entry.status().permissions())) + " " +
                                ReadFile(entry.path())
                      : entry.is_directory() ? "folder"
                                             : "special";
    }
    return files;
}

class RecordCheck : public ::testing::TestWithParam<Row> {};

TEST_P(RecordCheck, IsRefusedAndNothingIsDeleted) {
    ScratchFolder cfg;
    const fs::path career = cfg.Path() / "careers" / "Topp";
    WriteFile(career / "patrols_0.cfg",
              Crlf("[INIT]\nPatrols=1\n[PATROL 001]\nPatrolArea=NULL\nNbDaysInBase=31\n"
                   "StartDay=4\nStartMonth=5\nStartYear=1941\nHullIntegrity=100.0000\n"));
    WriteFile(career / "patrols.cfg", Crlf("[INIT]\nPatrols=1\n[PATROL 000]\n"));
    WriteFile(career / "careers_0.cfg",
              Crlf("[INIT]\nCareers=0\n[CAREER 000]\nRadarWarningReceiverUpg=-1\n"));
    Shown shown;
    const ChangeDialogue dialogue{[&](const std::string& text) { shown.push_back(text); },
                                  [&](const std::string&) { return true; }};
    RandomSource random;
    ApplyChanges(SystemFileOps(), random,
                 {.seen = ReadCareer(SystemFileOps(), career).files,
                  .madeAt = 0,
                  .grid = "ES32",
                  .base = {TankerChoice::kLandBase},
                  .seaStatus = SeaStatus::kAtBase,
                  .gridClass = BoatClass::kTypeVII,
                  .lastPatrolEnd = {-1, -1, -1},
                  .hullIntegrity = 100.0f,
                  .autoRadarUpdate = true,
                  .enteredMed = 0,
                  .start = {1941, 5},
                  .save = std::nullopt},
                 dialogue);
    ASSERT_EQ(shown, Shown{"Job Done."});

#ifndef _WIN32
    // Names that differ from the program's own only in letter case are not
    // its own where the file system tells them apart.
    WriteFile(career / "Patrols_tmp.cfg", "the player's");
    WriteFile(career / "KELMARPATROL.UNDO.NEW", "the player's");
#endif
    GetParam().spoil(career);
    const fs::path all = cfg.Path() / "careers";
    const auto before = Listing(all);
    shown.clear();
    EXPECT_FALSE(UndoLastChanges(SystemFileOps(), career, dialogue));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].find(GetParam().told), std::string::npos) << shown[0];
    EXPECT_EQ(Listing(all), before) << "changed by Undo";

    shown.clear();
    PutRightInterruptedChange(SystemFileOps(), career, dialogue.show);
    EXPECT_EQ(Listing(all), before) << "changed by the selection";
}

INSTANTIATE_TEST_SUITE_P(EveryCase, RecordCheck, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<Row>& row) {
                             std::string name = row.param.name;
                             std::replace(name.begin(), name.end(), ' ', '_');
                             std::replace(name.begin(), name.end(), '\'', '_');
                             return name;
                         });

// The same checks hold for a change under way: the selection that would put
// it back leaves a record it cannot trust as it is.
TEST(RecordCheckUnderWay, ATempLineNamingTheHistoryDeletesNothing) {
    ScratchFolder cfg;
    const fs::path career = cfg.Path() / "careers" / "Topp";
    WriteFile(career / "patrols.cfg", "history");
    WriteFile(career / "patrols_0.cfg", "new");
    WriteFile(career / "KelmarPatrol.undo1", "old");
    ChangeRecord record{RecordState::UnderWay, {}, std::nullopt};
    record.change.files.push_back({"patrols_0.cfg", "KelmarPatrol.undo1", {3, 1}, {3, 2}});
    WriteFile(career / kRecordName, RecordText(record) + "temp\tpatrols.cfg\n");
    const auto before = Listing(career);
    Shown shown;
    PutRightInterruptedChange(SystemFileOps(), career,
                              [&](const std::string& text) { shown.push_back(text); });
    EXPECT_EQ(Listing(career), before);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].find("KelmarPatrol.undo"), std::string::npos) << shown[0];
}

}  // namespace
}  // namespace kp
