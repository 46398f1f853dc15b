// The change procedure on its own, on an in-memory career or, at sea where
// the saves' times decide, on the disk: the entries it accepts, what only it
// decides (a career another copy is changing, an end date the history did
// not give, a change that replaced nothing, a save written since) and the
// undo point's refusals, which no script can bring about.
#include <gtest/gtest.h>

#include <chrono>
#include <string_view>

#include "apply/apply_changes.h"
#include "apply/career_entry.h"
#include "apply/change_record.h"
#include "apply/undo_changes.h"
#include "career/career_read.h"
#include "career_fixture.h"
#include "memory_file_ops.h"

namespace kp {
namespace {

namespace fs = std::filesystem;

const fs::path kCareer = "/cfg/careers/Topp";

constexpr std::string_view kBadDays = "Days in base must lie between 1 and 40.";

const std::string kNextPatrol = Crlf(
    "[INIT]\nPatrols=1\n[PATROL 001]\nPatrolArea=NULL\nNbDaysInBase=31\nStartDay=4\n"
    "StartMonth=5\nStartYear=1941\nHullIntegrity=100.0000\n");
// A new career's history: no patrol has ended yet.
const std::string kEmptyHistory = Crlf("[INIT]\nPatrols=1\n[PATROL 000]\n");

TEST(CheckEntries, OnlyOneToFortyDaysInPortPass) {
    const struct {
        int days;
        std::string_view refusal;
    } cases[] = {{0, kBadDays}, {41, kBadDays}, {-3, kBadDays}, {1, ""}, {40, ""}};
    for (const auto& c : cases) {
        std::string grid = "ES32";
        EXPECT_EQ(CheckEntries(grid, c.days), c.refusal) << c.days;
    }
}

class ApplyChangesTest : public ::testing::Test {
  protected:
    ApplyChangesTest() {
        files_.Put(kCareer / "patrols_0.cfg", kNextPatrol);
        files_.Put(kCareer / "patrols.cfg", kEmptyHistory);
    }

    ChangeEnd Apply(WorkingDate end) {
        const ChangeRequest request{
            .seen = ReadCareer(files_, kCareer).files,
            .madeAt = 1796688000,
            .grid = "ES32",
            .base = {TankerChoice::kLandBase},
            .seaStatus = SeaStatus::kAtBase,
            .gridClass = BoatClass::kTypeVII,
            .lastPatrolEnd = end,
            .hullIntegrity = 100.0f,
            .autoRadarUpdate = false,
            .enteredMed = 0,
            .start = {1941, 5},
            .save = {},
        };
        return ApplyChanges(files_, random_, request, Dialogue()).end;
    }
    ChangeDialogue Dialogue() {
        return {[this](const std::string& text) { shown_.push_back(text); },
                [this](const std::string& question) {
                    shown_.push_back(question);
                    return true;
                }};
    }
    const std::string& File(const char* name) { return files_.Files().at(kCareer / name); }

    MemoryFileOps files_;
    RandomSource random_;
    std::vector<std::string> shown_;
};

TEST_F(ApplyChangesTest, AnEndDateNotReadWholeIsNeverWritten) {
    EXPECT_EQ(Apply({-1, -1, -1}), ChangeEnd::Close);
    std::string expected = kNextPatrol;
    expected.replace(expected.find("NULL"), 4, "ES32");
    EXPECT_EQ(File("patrols_0.cfg"), expected);
    EXPECT_EQ(shown_, std::vector<std::string>{"Job Done."});
}

TEST_F(ApplyChangesTest, ACareerAnotherCopyIsChangingIsLeftAlone) {
    const LockResult other = files_.LockFolder(kCareer);
    ASSERT_EQ(other.state, LockState::Held);
    EXPECT_EQ(Apply({12, 5, 1942}), ChangeEnd::StayOpen);
    EXPECT_EQ(File("patrols_0.cfg"), kNextPatrol);
    EXPECT_EQ(shown_, std::vector<std::string>{std::string(kCareerBusy)});
}

TEST_F(ApplyChangesTest, UndoPutsBackOnlyWhatTheChangeWrote) {
    EXPECT_EQ(Apply({12, 5, 1942}), ChangeEnd::Close);
    const std::string changed = File("patrols_0.cfg");
    ASSERT_NE(changed, kNextPatrol);

    // The simulation has played on: the change can no longer be undone.
    files_.Put(kCareer / "patrols_0.cfg", changed + "X=1\r\n");
    shown_.clear();
    EXPECT_FALSE(UndoLastChanges(files_, kCareer, Dialogue()));
    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_TRUE(shown_[0].find("changed since") != std::string::npos) << shown_[0];

    files_.Put(kCareer / "patrols_0.cfg", changed);
    shown_.clear();
    EXPECT_TRUE(UndoLastChanges(files_, kCareer, Dialogue()));
    EXPECT_EQ(shown_, std::vector<std::string>{
                          "Undo the change made to the career Topp on 8 December 2026 at 00:00?\n"
                          "Files put back as they were before it: patrols_0.cfg."});
    EXPECT_EQ(File("patrols_0.cfg"), kNextPatrol);

    // One step back only.
    shown_.clear();
    EXPECT_FALSE(UndoLastChanges(files_, kCareer, Dialogue()));
    EXPECT_EQ(shown_, std::vector<std::string>{"There is no change to undo for this career."});
}

// A change cut off earlier that cannot be put back (here its kept content is
// damaged) stops every later change: writing on would lose the old content.
TEST_F(ApplyChangesTest, NothingIsWrittenWhileAnEarlierChangeIsUnderWay) {
    const std::string newer = kNextPatrol + "X=1\r\n";
    files_.Put(kCareer / "patrols_0.cfg", newer);
    files_.Put(kCareer / "KelmarPatrol.undo1", "damaged");
    const auto fingerprint = [](std::string_view bytes) {
        ContentHash hash;
        hash.Add(bytes.data(), bytes.size());
        return hash.Result();
    };
    ChangeRecord underWay{RecordState::UnderWay, {}, std::nullopt};
    underWay.change.files.push_back(
        {"patrols_0.cfg", "KelmarPatrol.undo1", fingerprint(kNextPatrol), fingerprint(newer)});
    const std::string record = RecordText(underWay);
    files_.Put(kCareer / "KelmarPatrol.undo", record);
    EXPECT_EQ(Apply({12, 5, 1942}), ChangeEnd::StayOpen);
    EXPECT_EQ(File("patrols_0.cfg"), newer);
    EXPECT_EQ(File("KelmarPatrol.undo"), record);
    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_TRUE(shown_[0].starts_with("The last change to this career was interrupted"))
        << shown_[0];
}

// At sea, on the disk: the save's last-write time decides which save is the
// patrol's newest.
class AtSeaTest : public ::testing::Test {
  protected:
    AtSeaTest() {
        WriteFile(Career() / "patrols_0.cfg",
                  Crlf("[INIT]\nPatrols=7\n[PATROL 007]\nEndLocation=754\nSubType=1\n"
                       "SubVersion=1\nPatrolArea=AN41\nStartYear=1942\nStartMonth=8\n"));
        WriteFile(Career() / "patrols.cfg",
                  Crlf("[INIT]\nPatrols=7\n[PATROL 006]\nEndDay=25\nEndMonth=7\n"
                       "EndYear=1943\n[PATROL 007]\n"));
        WriteSave(Career(), "Save.psc", Crlf("[Save]\nPatrolArea=BF17\n"), 1'000'000'000, 7);
    }
    fs::path Career() const { return cfg_.Path() / "careers" / "Topp"; }

    // "Make Changes" with the question answered as given.
    void Change(const std::string& grid, bool answer) {
        const CareerRead read = ReadCareer(SystemFileOps(), Career());
        ASSERT_TRUE(read.save.has_value());
        const ChangeRequest request{
            .seen = read.files,
            .madeAt = 1796688000,
            .grid = grid,
            .base = {TankerChoice::kLandBase},
            .seaStatus = SeaStatus::kAtSea,
            .gridClass = BoatClass::kTypeVII,
            .lastPatrolEnd = {25, 7, 1943},
            .hullIntegrity = 100.0f,
            .autoRadarUpdate = true,
            .enteredMed = 0,
            .start = {1942, 8},
            .save = read.save,
        };
        RandomSource random;
        ApplyChanges(SystemFileOps(), random, request, Dialogue(answer));
    }
    ChangeDialogue Dialogue(bool answer) {
        return {[this](const std::string& text) { shown_.push_back(text); },
                [this, answer](const std::string& question) {
                    shown_.push_back(question);
                    return answer;
                }};
    }

    ScratchFolder cfg_;
    std::vector<std::string> shown_;
};

TEST_F(AtSeaTest, ACancelledChangeKeepsTheUndoPointBeforeIt) {
    Change("ES32", true);
    ASSERT_EQ(shown_.back(), "Job Done.");
    const std::string record = ReadFile(Career() / kRecordName);
    const std::string save = ReadFile(Career() / "7" / "Save.psc");

    shown_.clear();
    Change("CA51", false);
    EXPECT_EQ(ReadFile(Career() / "7" / "Save.psc"), save);
    EXPECT_EQ(ReadFile(Career() / kRecordName), record);
    EXPECT_TRUE(fs::exists(Career() / "KelmarPatrol.undo1"));
    shown_.clear();
    EXPECT_TRUE(UndoLastChanges(SystemFileOps(), Career(), Dialogue(true)));
    ASSERT_FALSE(shown_.empty());
    EXPECT_TRUE(shown_[0].starts_with("Undo the change made to the career Topp")) << shown_[0];
}

TEST_F(AtSeaTest, ANewerSaveEndsTheUndoPoint) {
    Change("ES32", true);
    ASSERT_EQ(shown_.back(), "Job Done.");
    const std::string save = ReadFile(Career() / "7" / "Save.psc");
    // The simulation saves the patrol again, after the change.
    const auto later = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()) +
                       std::chrono::hours(1);
    WriteSave(Career(), "Later.psc", Crlf("[Save]\nPatrolArea=ES32\n"),
              later.time_since_epoch().count(), 7);
    shown_.clear();
    EXPECT_FALSE(UndoLastChanges(SystemFileOps(), Career(), Dialogue(true)));
    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_NE(shown_[0].find("changed since"), std::string::npos) << shown_[0];
    EXPECT_EQ(ReadFile(Career() / "7" / "Save.psc"), save);
}

}  // namespace
}  // namespace kp
