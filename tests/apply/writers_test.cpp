#include "apply/writers.h"
#include "career/file_names.h"

#include <gtest/gtest.h>

#include "career/career_format.h"
#include "career_fixture.h"
#include "change_one_file.h"

namespace kp {
namespace {

namespace fs = std::filesystem;

class Writers : public ::testing::Test {
  protected:
    // The writer's file changed as "Make Changes" changes it.
    WriteOutcome Run(const Writer& writer) {
        return ChangeOneFile(SystemFileOps(), folder_.Path(), writer,
                             [this](const std::string& text) { shown_.push_back(text); });
    }

    ScratchFolder folder_;
    std::vector<std::string> shown_;
};

const std::string kHistory = Crlf(
    "[INIT]\nPatrols=2\n[PATROL 000]\nEndDay=1\nHullIntegrity=50.0000\n[PATROL 001]\n"
    "PatrolArea=BF17\nNbDaysInBase=31\nEndDay=12\nEndMonth=5\nEndYear=1942\n"
    "HullIntegrity=95.5000\n");

TEST_F(Writers, HistoryGetsGridDateAndRaisedHull) {
    WriteFile(folder_.Path() / "patrols.cfg", kHistory);
    const Writer writer =
        RewritePatrolHistory(folder_.Path() / kHistoryFile, "ES3", WorkingDate{14, 4, 1942}, 95.5f);
    EXPECT_EQ(Run(writer), WriteOutcome::Ready);
    EXPECT_TRUE(shown_.empty());
    EXPECT_EQ(ReadFile(folder_.Path() / "patrols.cfg"),
              Crlf("[INIT]\nPatrols=2\n[PATROL 000]\nEndDay=1\nHullIntegrity=50.0000\n"
                   "[PATROL 001]\nPatrolArea=ES3\nNbDaysInBase=31\nEndDay=14\nEndMonth=4\n"
                   "EndYear=1942\nHullIntegrity=100.0000\n"));
}

TEST_F(Writers, HullIsRaisedOnceForEveryLineAndCappedAt100) {
    WriteFile(folder_.Path() / "patrols.cfg",
              Crlf("[INIT]\nPatrols=1\n[PATROL 000]\nHullIntegrity=1\nHullIntegrity=1\n"));
    const Writer writer =
        RewritePatrolHistory(folder_.Path() / kHistoryFile, "ES32", WorkingDate{1, 1, 1943}, 70.0f);
    // Wrong key count: the copy is thrown away, but the raise has happened.
    const PreparedFile prepared = PrepareTempFile(
        SystemFileOps(), writer, [this](const std::string& text) { shown_.push_back(text); });
    EXPECT_EQ(prepared.outcome, WriteOutcome::Discarded);
    EXPECT_EQ(RaisedHull(70.0f, HitsOf(writer, prepared, format::kHullIntegrityKey)), 90.0f);
    EXPECT_EQ(RaisedHull(95.5f, 1), 100.0f);
    EXPECT_EQ(shown_,
              std::vector<std::string>{"Failed to write the new data to your 'patrols.cfg' file."});
}

// Where the history did not give the whole end date, no date is written: the
// start-date lines stay as they were and still count.
TEST_F(Writers, AnUnknownDateLeavesTheDateLinesAlone) {
    const std::string before = Crlf(
        "[INIT]\nPatrols=4\n[PATROL 004]\nPatrolArea=NULL\nNbDaysInBase=7\nStartDay=1\n"
        "StartMonth=1\nStartYear=1941\nHullIntegrity=80.0000\n");
    WriteFile(folder_.Path() / "patrols_0.cfg", before);
    EXPECT_EQ(Run(RewriteNextPatrol(folder_.Path() / kNextPatrolFile, "ES32", std::nullopt, 90.0f,
                                    false)),
              WriteOutcome::Ready);
    std::string after = before;
    after.replace(after.find("NULL"), 4, "ES32");
    after.replace(after.find("80.0000"), 7, "90.0000");
    EXPECT_EQ(ReadFile(folder_.Path() / "patrols_0.cfg"), after);
}

TEST_F(Writers, RadarIsRaisedButNeverLowered) {
    struct Case {
        std::string stored;
        int code;
        std::string written;
    };
    const Case cases[] = {
        {"1280", 1281, "1281"}, {"1282", 1281, "1282"}, {"-1", -1, "-1"},
        {"1283", -1, "1283"},   {"abc", 1280, "1280"},  {"-5", -1, "-1"},
    };
    for (const Case& c : cases) {
        const std::string head = Crlf("[INIT]\n[note]\nCareers=0\n[CAREER 000]\n");
        WriteFile(folder_.Path() / "careers_0.cfg",
                  head + Crlf("RadarWarningReceiverUpg=" + c.stored + "\n"));
        EXPECT_EQ(Run(UpgradeRadarDetectors(folder_.Path() / kCareerSettingsFile, c.code)),
                  WriteOutcome::Ready);
        EXPECT_EQ(ReadFile(folder_.Path() / "careers_0.cfg"),
                  head + Crlf("RadarWarningReceiverUpg=" + c.written + "\n"))
            << c.stored << " with " << c.code;
    }
}

TEST_F(Writers, MediterraneanFlotillaFromNovember1941) {
    EXPECT_FALSE(MediterraneanRuleHolds(1, {1941, 10}));
    EXPECT_TRUE(MediterraneanRuleHolds(1, {1941, 11}));
    EXPECT_TRUE(MediterraneanRuleHolds(1, {1942, 1}));
    EXPECT_FALSE(MediterraneanRuleHolds(0, {1943, 1}));
    EXPECT_FALSE(MediterraneanRuleHolds(1, {1940, 12}));
}

TEST_F(Writers, NextPatrolGetsGridStartDateHullAndFlotilla) {
    const std::string before = Crlf(
        "[INIT]\nPatrols=4\n[PATROL 004]\nPatrolArea=NULL\nNbDaysInBase=7\nStartDay=1\n"
        "StartMonth=1\nStartYear=1941\nHullIntegrity=80.0000\nFlotilla=7\n[PATROL 005]\n");
    WriteFile(folder_.Path() / "patrols_0.cfg", before);
    const WorkingDate date{2, 3, 1943};
    const float hull = 87.5f;
    const Writer writer =
        RewriteNextPatrol(folder_.Path() / kNextPatrolFile, "NULL", date, hull, true);
    EXPECT_EQ(Run(writer), WriteOutcome::Ready);
    EXPECT_TRUE(shown_.empty());
    EXPECT_EQ(writer.messages.done, "Job Done.");
    EXPECT_EQ(ReadFile(folder_.Path() / "patrols_0.cfg"),
              Crlf("[INIT]\nPatrols=4\n[PATROL 004]\nPatrolArea=NULL\nNbDaysInBase=7\n"
                   "StartDay=2\nStartMonth=3\nStartYear=1943\nHullIntegrity=87.5000\n"
                   "Flotilla=907\n[PATROL 005]\n"));
}

TEST_F(Writers, NextPatrolWithoutNbDaysInBaseIsLeftAlone) {
    const std::string before = Crlf(
        "[INIT]\nPatrols=0\n[PATROL 000]\nPatrolArea=NULL\nStartDay=1\nStartMonth=1\n"
        "StartYear=1941\n");
    WriteFile(folder_.Path() / "patrols_0.cfg", before);
    const WorkingDate date{2, 3, 1943};
    const float hull = 100.0f;
    EXPECT_EQ(Run(RewriteNextPatrol(folder_.Path() / kNextPatrolFile, "ES32", date, hull, false)),
              WriteOutcome::Discarded);
    EXPECT_EQ(shown_, std::vector<std::string>{
                          "Failed to write the new data to your 'patrols_0.cfg' file."});
    EXPECT_EQ(ReadFile(folder_.Path() / "patrols_0.cfg"), before);
}

TEST_F(Writers, SaveAsksBeforeOverwritingAValidArea) {
    const fs::path save = folder_.Path() / "3" / "Save1.psc";
    WriteFile(save, Crlf("PatrolArea=NULL\nX=1\nPatrolArea=BF17\nPatrolArea=NULLX\n"));
    int asked = 0;
    const Writer writer = RewriteSavePatrolArea(save, folder_.Path() / "3" / "Save1", "ES3", [&] {
        ++asked;
        return true;
    });
    EXPECT_EQ(writer.temp, folder_.Path() / "3" / "Save1.TMP");
    EXPECT_EQ(Run(writer), WriteOutcome::Ready);
    EXPECT_EQ(asked, 1);  // "NULL" and a value starting with it count as no area
    EXPECT_EQ(ReadFile(save), Crlf("PatrolArea=ES3\nX=1\nPatrolArea=ES3\nPatrolArea=ES3\n"));
    EXPECT_TRUE(shown_.empty());
    EXPECT_EQ(writer.messages.done, "Job Done.");
}

}  // namespace
}  // namespace kp
