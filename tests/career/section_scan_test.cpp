#include "career/section_scan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kp {
namespace {

struct Outcome {
    std::vector<std::string> target;  // lines offered as the target section's
    bool error = false;
    int count = -1;
    int stoppedAt = -1;  // index of the line that ended the scan
};

// Feeds the lines of `text` ("\n" ends a line; a last line may lack it) until the scan stops.
Outcome Walk(SectionScan& scan, const std::string& text) {
    Outcome out;
    std::size_t pos = 0;
    for (int index = 0; pos < text.size(); ++index) {
        const std::size_t nl = text.find('\n', pos);
        const bool hasEnd = nl != std::string::npos;
        const std::string line = text.substr(pos, hasEnd ? nl - pos : std::string::npos);
        pos = hasEnd ? nl + 1 : text.size();
        const ScanStep step = scan.Feed(line, hasEnd);
        if (step == ScanStep::Target) {
            out.target.push_back(line);
        } else if (step == ScanStep::Stop) {
            out.stoppedAt = index;
            break;
        }
    }
    out.error = scan.Error();
    out.count = scan.Count();
    return out;
}

Outcome Walk(const ScanProfile& profile, const std::string& text) {
    SectionScan scan(profile);
    return Walk(scan, text);
}

using Lines = std::vector<std::string>;

TEST(SectionHeader, PrintsTheNumberWithThreeDigits) {
    EXPECT_EQ(SectionHeader("[PATROL ", 7), "[PATROL 007]");
    EXPECT_EQ(SectionHeader("[PATROL ", 0), "[PATROL 000]");
    EXPECT_EQ(SectionHeader("[CAREER ", 42), "[CAREER 042]");
    EXPECT_EQ(SectionHeader("[PATROL ", 1234), "[PATROL 1234]");
    EXPECT_EQ(SectionHeader("[PATROL ", -1), "[PATROL -01]");
}

TEST(SectionScan, EachProfileFindsItsTarget) {
    const std::string patrols =
        "[INIT]\nPatrols=2\n\n[PATROL 001]\nKey=1\n[PATROL 002]\nKey=2\nOther=2\n"
        "[PATROL 003]\nKey=3\n";
    const Outcome next = Walk(kNextPatrolProfile, patrols);
    EXPECT_EQ(next.target, (Lines{"Key=2", "Other=2"}));
    EXPECT_FALSE(next.error);
    EXPECT_EQ(next.count, 2);
    EXPECT_EQ(next.stoppedAt, 8);

    const Outcome history = Walk(kHistoryProfile, patrols);
    EXPECT_EQ(history.target, (Lines{"Key=1"}));
    EXPECT_FALSE(history.error);
    EXPECT_EQ(history.count, 2);
    EXPECT_EQ(history.stoppedAt, 5);

    const Outcome career = Walk(kCareerProfile,
                                "[INIT]\nCareers=1\n[CAREER 001]\nRadarWarningReceiverUpg=3\n"
                                "[CAREER 002]\nRadarWarningReceiverUpg=4\n");
    EXPECT_EQ(career.target, (Lines{"RadarWarningReceiverUpg=3"}));
    EXPECT_FALSE(career.error);
    EXPECT_EQ(career.count, 1);
}

TEST(SectionScan, StepsOfOneFile) {
    SectionScan scan(kNextPatrolProfile);
    const struct {
        const char* line;
        ScanStep step;
    } steps[] = {
        {"[INIT]", ScanStep::Pass},       {"Version=1", ScanStep::Pass},
        {"Patrols=1", ScanStep::Pass},    {"SubType=0", ScanStep::Pass},
        {"[PATROL 001]", ScanStep::Pass},  // the header itself is not offered
        {"SubType=1", ScanStep::Target},  {"", ScanStep::Target},
        {"Patrols=5", ScanStep::Target},  {"[PATROL 002]", ScanStep::Stop},
        {"SubType=2", ScanStep::Stop},
    };
    for (const auto& s : steps) {
        EXPECT_EQ(scan.Feed(s.line, true), s.step) << s.line;
    }
    EXPECT_FALSE(scan.Error());
    EXPECT_EQ(scan.Count(), 1);
}

TEST(SectionScan, HeaderWithoutLineEndIsNoTarget) {
    SectionScan scan(kNextPatrolProfile);
    scan.Feed("[INIT]", true);
    scan.Feed("Patrols=2", true);
    EXPECT_EQ(scan.Feed("[PATROL 002]", false), ScanStep::Pass);
    EXPECT_EQ(scan.Feed("Key=1", true), ScanStep::Pass);
    EXPECT_EQ(scan.Feed("[PATROL 002]", true), ScanStep::Pass);
    EXPECT_EQ(scan.Feed("Key=2", true), ScanStep::Target);
}

TEST(SectionScan, TargetHeaderMustMatchExactly) {
    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"trailing blank", "[INIT]\nPatrols=2\n[PATROL 002] \nKey=1\n"},
        {"fewer zeros", "[INIT]\nPatrols=2\n[PATROL 02]\nKey=1\n"},
        {"more zeros", "[INIT]\nPatrols=2\n[PATROL 0002]\nKey=1\n"},
        {"last line without end", "[INIT]\nPatrols=2\n[PATROL 002]"},
        {"other case", "[INIT]\nPatrols=2\n[patrol 002]\nKey=1\n"},
        {"before [INIT]", "[PATROL 002]\nKey=1\n[INIT]\nPatrols=2\n"},
        {"no [INIT]", "Patrols=2\n[PATROL 002]\nKey=1\n"},
        {"[INIT] without count", "[INIT]\nCount=2\nKey=1\n"},
        {"count of -1", "[INIT]\nPatrols=-1\n[PATROL -01]\nKey=1\n"},
    };
    for (const auto& c : cases) {
        const Outcome out = Walk(kNextPatrolProfile, c.text);
        EXPECT_TRUE(out.target.empty()) << c.what;
        EXPECT_FALSE(out.error) << c.what;
    }
    // Inside [INIT] before the count, where the career settings file allows "[" lines.
    const Outcome early = Walk(kCareerProfile, "[INIT]\n[CAREER 002]\nKey=1\nCareers=2\n");
    EXPECT_TRUE(early.target.empty());
    EXPECT_FALSE(early.error);
    EXPECT_EQ(early.count, 2);
    // The history's target of a count of 0 is [PATROL -01]; no real section has it.
    const Outcome zero = Walk(kHistoryProfile, "[INIT]\nPatrols=0\n[PATROL 000]\nKey=1\n");
    EXPECT_TRUE(zero.target.empty());
    EXPECT_FALSE(zero.error);
    EXPECT_EQ(zero.count, 0);
}

TEST(SectionScan, InitBlock) {
    // Text after [INIT] on its line changes nothing.
    EXPECT_EQ(Walk(kNextPatrolProfile, "[INIT] x\nPatrols=1\n[PATROL 001]\nA=1\n").target,
              (Lines{"A=1"}));
    // Other lines of the block are passed over until the count.
    EXPECT_EQ(
        Walk(kNextPatrolProfile, "[INIT]\n\nVersion=3\nPatrols=1\n[PATROL 001]\nA=1\n").target,
        (Lines{"A=1"}));
    // Only the first count after [INIT] counts.
    const Outcome first =
        Walk(kNextPatrolProfile, "[INIT]\nPatrols=1\nPatrols=2\n[PATROL 001]\nA=1\n");
    EXPECT_EQ(first.count, 1);
    EXPECT_EQ(first.target, (Lines{"A=1"}));
    // A later [INIT] opens the block again and its count replaces the first.
    const Outcome again = Walk(kNextPatrolProfile,
                               "[INIT]\nPatrols=1\n[INIT]\nPatrols=2\n[PATROL 001]\nA=1\n"
                               "[PATROL 002]\nB=2\n");
    EXPECT_EQ(again.count, 2);
    EXPECT_EQ(again.target, (Lines{"B=2"}));
    EXPECT_FALSE(again.error);
    // A count with other text after it reads its leading number.
    EXPECT_EQ(Walk(kNextPatrolProfile, "[INIT]\nPatrols= 3 x\n").count, 3);
}

TEST(SectionScan, BracketInsideInitBeforeTheCount) {
    const std::string text =
        "[INIT]\n[Other]\nPatrols=1\nCareers=1\n[PATROL 001]\nA=1\n"
        "[CAREER 001]\nB=1\n";
    for (const ScanProfile* profile : {&kNextPatrolProfile, &kHistoryProfile}) {
        const Outcome out = Walk(*profile, text);
        EXPECT_TRUE(out.error);
        EXPECT_EQ(out.stoppedAt, 1);
        EXPECT_EQ(out.count, -1);
        EXPECT_TRUE(out.target.empty());
    }
    // The career settings file has such lines; the scan looks on for the count.
    const Outcome career = Walk(kCareerProfile, text);
    EXPECT_FALSE(career.error);
    EXPECT_EQ(career.count, 1);
    EXPECT_EQ(career.target, (Lines{"B=1"}));
    // A count key written otherwise is no count, and the block stays open.
    for (const char* bad :
         {"[INIT]\npatrols=2\n[PATROL 002]\n", "[INIT]\n Patrols=2\n[PATROL 002]\n",
          "[INIT]\nPatrols =2\n[PATROL 002]\n"}) {
        const Outcome out = Walk(kNextPatrolProfile, bad);
        EXPECT_TRUE(out.error) << bad;
        EXPECT_EQ(out.count, -1) << bad;
    }
    // After the count a "[" line is an ordinary header.
    EXPECT_FALSE(Walk(kNextPatrolProfile, "[INIT]\nPatrols=1\n[Other]\n[PATROL 001]\nA=1\n").error);
}

TEST(SectionScan, HeaderAfterTheTargetMustCarryTheNextNumber) {
    const struct {
        const char* header;
        bool error;
    } cases[] = {
        {"[PATROL 003]", false},
        {"[PATROL 3]", false},
        {"[PATROL 003] trailing", false},
        {"[CAREER 003]", false},  // only the number counts
        {"[ABCDEF 3", false},     // nine characters reach the number
        {"[PATROL 004]", true},
        {"[PATROL 002]", true},
        {"[PATROL 001]", true},
        {"[PATROL xyz]", true},
        {"[INIT]", true},
        {"[PATROL ", true},  // too short to carry a number
        {"[END]", true},
        {"[", true},
    };
    for (const auto& c : cases) {
        const Outcome out =
            Walk(kNextPatrolProfile, "[INIT]\nPatrols=2\n[PATROL 002]\nA=1\n" +
                                         std::string(c.header) + "\nB=1\n[PATROL 002]\nC=1\n");
        EXPECT_EQ(out.error, c.error) << c.header;
        EXPECT_EQ(out.stoppedAt, 4) << c.header;
        EXPECT_EQ(out.target, (Lines{"A=1"})) << c.header;
    }
    // The history's target is count - 1, so the count itself follows it.
    EXPECT_FALSE(Walk(kHistoryProfile, "[INIT]\nPatrols=2\n[PATROL 001]\n[PATROL 002]\n").error);
    EXPECT_TRUE(Walk(kHistoryProfile, "[INIT]\nPatrols=2\n[PATROL 001]\n[PATROL 003]\n").error);
    EXPECT_FALSE(Walk(kCareerProfile, "[INIT]\nCareers=2\n[CAREER 002]\n[CAREER 003]\n").error);
    EXPECT_TRUE(Walk(kCareerProfile, "[INIT]\nCareers=2\n[CAREER 002]\n[CAREER 004]\n").error);
}

TEST(SectionScan, TargetAtTheEndOfTheFile) {
    const Outcome out = Walk(kNextPatrolProfile, "[INIT]\nPatrols=1\n[PATROL 001]\nA=1\nB=2");
    EXPECT_EQ(out.target, (Lines{"A=1", "B=2"}));
    EXPECT_FALSE(out.error);
    EXPECT_EQ(out.stoppedAt, -1);
}

TEST(SectionScan, StaysStoppedWithItsErrorMark) {
    SectionScan scan(kNextPatrolProfile);
    Walk(scan, "[INIT]\n[bad]\n");
    ASSERT_TRUE(scan.Stopped());
    EXPECT_EQ(scan.Feed("[INIT]", true), ScanStep::Stop);
    EXPECT_EQ(scan.Feed("Patrols=1", true), ScanStep::Stop);
    EXPECT_TRUE(scan.Error());
    EXPECT_EQ(scan.Count(), -1);
}

TEST(SectionScan, HistoryScanCarriesTheNextPatrolsCount) {
    SectionScan next(kNextPatrolProfile);
    Walk(next, "[INIT]\nPatrols=3\n[PATROL 003]\nA=1\n");
    ASSERT_EQ(next.Count(), 3);

    // Without a count of its own the history reads the next patrol's section number.
    const struct {
        std::string text;
        Lines target;
        bool error;
        int count;
    } cases[] = {
        {"[PATROL 002]\nX=2\n[PATROL 003]\nX=3\n[PATROL 003]\n", {"X=3"}, false, 3},
        {"[PATROL 003]\nX=3\n[PATROL 004]\n", {"X=3"}, true, 3},
        {"[INIT]\nPatrols=2\n[PATROL 001]\nX=1\n[PATROL 002]\nX=2\n", {"X=1"}, false, 2},
        {"X=0\n[PATROL 003]\nX=3\n", {"X=3"}, false, 3},
        {"[INIT]\n[PATROL 003]\nX=3\n", {}, true, 3},
    };
    for (const auto& c : cases) {
        SectionScan history(kHistoryProfile, next);
        const Outcome out = Walk(history, c.text);
        EXPECT_EQ(out.target, c.target) << c.text;
        EXPECT_EQ(out.error, c.error) << c.text;
        EXPECT_EQ(out.count, c.count) << c.text;
    }
}

TEST(SectionScan, CarriedScanStartsAfresh) {
    SectionScan next(kNextPatrolProfile);
    Walk(next, "[INIT]\nPatrols=3\n[PATROL 003]\nA=1\n[PATROL 009]\n");
    ASSERT_TRUE(next.Error());
    SectionScan history(kHistoryProfile, next);
    EXPECT_FALSE(history.Error());
    EXPECT_FALSE(history.Stopped());
    EXPECT_EQ(history.Count(), 3);
    // Searching again: a key line before the header is not the target's.
    EXPECT_EQ(history.Feed("X=1", true), ScanStep::Pass);
    EXPECT_EQ(history.Feed("[PATROL 003]", true), ScanStep::Pass);
    EXPECT_EQ(history.Feed("X=3", true), ScanStep::Target);
}

}  // namespace
}  // namespace kp
