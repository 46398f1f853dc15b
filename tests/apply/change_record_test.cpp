// The change record is read as untrusted input: a record that names anything
// but the career's own files and the program's own names is refused whole,
// and kept content that is not what was kept is never put back. In every
// case nothing is deleted and the user is told why.
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
#endif
};

// What lies in the folder, links as links.
std::map<std::string, std::string> Listing(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        files[name] = entry.is_symlink()        ? "link to " + fs::read_symlink(entry).string()
                      : entry.is_regular_file() ? ReadFile(entry.path())
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
                  .autoRadarUpdate = false,
                  .enteredMed = 0,
                  .start = {1941, 5},
                  .save = std::nullopt},
                 dialogue);
    ASSERT_EQ(shown, Shown{"Job Done."});

    GetParam().spoil(career);
    const auto before = Listing(career);
    shown.clear();
    EXPECT_FALSE(UndoLastChanges(SystemFileOps(), career, dialogue));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].find(GetParam().told), std::string::npos) << shown[0];
    EXPECT_EQ(Listing(career), before) << "changed by Undo";

    shown.clear();
    PutRightInterruptedChange(SystemFileOps(), career, dialogue.show);
    EXPECT_EQ(Listing(career), before) << "changed by the selection";
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
