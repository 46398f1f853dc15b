#include "apply/temp_copy.h"

#include <gtest/gtest.h>

#include "career_fixture.h"
#include "change_one_file.h"
#include "faulty_file_ops.h"

namespace kp {
namespace {

namespace fs = std::filesystem;

const WriterMessages kMessages{CareerFileKind::NextPatrol, "error mark", "failed", "done"};

KeyEdit Set(std::string value) {
    return {EditAction::Replace, std::move(value)};
}

class SafeReplace : public ::testing::Test {
  protected:
    fs::path File() const { return folder_.Path() / "patrols_0.cfg"; }
    fs::path Temp() const { return folder_.Path() / "patrols_TMP.cfg"; }

    // Next-patrol profile; PatrolArea= is set to ES32 and counted, one key expected.
    Writer AreaWriter(int expected = 1) const {
        return Writer{File(),
                      Temp(),
                      kNextPatrolProfile,
                      {{"PatrolArea=", true, [](std::string_view) { return Set("ES32"); }}},
                      expected,
                      std::nullopt,
                      kMessages};
    }

    ShowMessage Show() {
        return [this](const std::string& text) { shown_.push_back(text); };
    }

    // The copy made and put in place as a change of the career makes it.
    WriteOutcome Run(const Writer& writer) {
        return ChangeOneFile(SystemFileOps(), folder_.Path(), writer, Show());
    }

    std::vector<std::string> Names() const { return NamesBesideTheRecord(folder_.Path()); }

    ScratchFolder folder_;
    std::vector<std::string> shown_;
};

TEST_F(SafeReplace, ChangesOnlyTheValueAndKeepsEveryOtherByte) {
    const std::string before = Crlf(
        "; comment [a]\n[INIT]\nPatrols=2\n[PATROL 001]\nPatrolArea=AB12\n[PATROL 002]\n"
        "PatrolArea=NULL\nOther=\tx [y] \n");
    WriteFile(File(), before);
    EXPECT_EQ(Run(AreaWriter()), WriteOutcome::Ready);
    std::string after = before;
    after.replace(after.find("PatrolArea=NULL"), 15, "PatrolArea=ES32");
    EXPECT_EQ(ReadFile(File()), after);
    EXPECT_TRUE(shown_.empty());
    EXPECT_EQ(Names(), std::vector<std::string>{"patrols_0.cfg"});
}

TEST_F(SafeReplace, EditedLinesKeepTheirOwnLineEnd) {
    struct Case {
        std::string before;
        std::string after;
    };
    const Case cases[] = {
        // LF file stays LF.
        {"[INIT]\nPatrols=1\n[PATROL 001]\nPatrolArea=NULL\n",
         "[INIT]\nPatrols=1\n[PATROL 001]\nPatrolArea=ES32\n"},
        // A mixed file: each line keeps the end it had.
        {"[INIT]\r\nPatrols=1\n[PATROL 001]\r\nPatrolArea=NULL\nX=1\r\n",
         "[INIT]\r\nPatrols=1\n[PATROL 001]\r\nPatrolArea=ES32\nX=1\r\n"},
        // A last line without an end takes the file's (its first line's).
        {"[INIT]\r\nPatrols=1\n[PATROL 001]\nPatrolArea=NULL",
         "[INIT]\r\nPatrols=1\n[PATROL 001]\nPatrolArea=ES32\r\n"},
    };
    for (const Case& c : cases) {
        WriteFile(File(), c.before);
        EXPECT_EQ(Run(AreaWriter()), WriteOutcome::Ready);
        EXPECT_EQ(ReadFile(File()), c.after);
    }
}

TEST_F(SafeReplace, KeepsTheSectionsAfterTheTarget) {
    const std::string before = Crlf(
        "[INIT]\nPatrols=1\n[PATROL 001]\nPatrolArea=NULL\n[PATROL 002]\nPatrolArea=NULL\n"
        "[PATROL 007]\ntail\n");
    WriteFile(File(), before);
    EXPECT_EQ(Run(AreaWriter()), WriteOutcome::Ready);
    EXPECT_EQ(ReadFile(File()),
              Crlf("[INIT]\nPatrols=1\n[PATROL 001]\nPatrolArea=ES32\n[PATROL 002]\n"
                   "PatrolArea=NULL\n[PATROL 007]\ntail\n"));
}

TEST_F(SafeReplace, ARejectedCopyLeavesTheFileAndNoTemporaryFile) {
    struct Case {
        std::string content;
        int expected;
        WriteOutcome outcome;
        std::string message;
    };
    const Case cases[] = {
        {Crlf("[INIT]\n[PATROL 001]\nPatrols=1\n"), 1, WriteOutcome::Discarded, "error mark"},
        {Crlf("[INIT]\nPatrols=1\n[PATROL 001]\nPatrolArea=NULL\n[PATROL 003]\n"), 1,
         WriteOutcome::Discarded, "error mark"},
        {Crlf("[INIT]\nPatrols=1\n[PATROL 001]\nX=1\n"), 1, WriteOutcome::Discarded, "failed"},
        {Crlf("[INIT]\nPatrols=1\n[PATROL 001]\nPatrolArea=A\nPatrolArea=B\n"), 1,
         WriteOutcome::Discarded, "failed"},
        {Crlf("[INIT]\nPatrols=1\n[PATROL 001]\nPatrolArea=A\n"), 2, WriteOutcome::Discarded,
         "failed"},
    };
    for (const Case& c : cases) {
        shown_.clear();
        WriteFile(File(), c.content);
        EXPECT_EQ(Run(AreaWriter(c.expected)), c.outcome) << c.content;
        EXPECT_EQ(shown_, std::vector<std::string>{c.message}) << c.content;
        EXPECT_EQ(ReadFile(File()), c.content);
        EXPECT_EQ(Names(), std::vector<std::string>{"patrols_0.cfg"});
    }
}

TEST_F(SafeReplace, AMissingFileIsReportedAndNothingIsCreated) {
    EXPECT_EQ(Run(AreaWriter()), WriteOutcome::CannotOpen);
    EXPECT_EQ(shown_, std::vector{CannotOpenMessage(CareerFileKind::NextPatrol, FileTask::Rewrite,
                                                    folder_.Path(), {})});
    EXPECT_TRUE(Names().empty());
}

TEST_F(SafeReplace, ALeftoverTemporaryFileIsEmptiedAndReused) {
    // The copy alone: entering the career's transaction would remove the leftover first.
    const std::string before = Crlf("[INIT]\nPatrols=1\n[PATROL 001]\nPatrolArea=NULL\n");
    WriteFile(File(), before);
    WriteFile(Temp(), std::string(5000, 'x'));
    EXPECT_EQ(PrepareTempFile(SystemFileOps(), AreaWriter(), Show()).outcome, WriteOutcome::Ready);
    EXPECT_EQ(ReadFile(Temp()), Crlf("[INIT]\nPatrols=1\n[PATROL 001]\nPatrolArea=ES32\n"));
    EXPECT_EQ(ReadFile(File()), before);
    EXPECT_EQ(Names(), (std::vector<std::string>{"patrols_0.cfg", "patrols_TMP.cfg"}));
}

TEST_F(SafeReplace, LongLinesAreCopiedWhole) {
    // A piece of a long line must never be taken for a key or a header; an
    // edited key line loses all of its old value, however long.
    const std::string filler = std::string(998, 'y');
    const std::string oldValue = "NULL" + std::string(100'000, 'n');
    const std::string before =
        Crlf("[INIT]\nPatrols=1\n[PATROL 001]\nNote=" + filler + "PatrolArea=XX99\nZ=" + filler +
             "[PATROL 005]\n" + "PatrolArea=" + oldValue + "\nLast=1\n");
    WriteFile(File(), before);
    EXPECT_EQ(Run(AreaWriter()), WriteOutcome::Ready);
    std::string after = before;
    after.replace(after.rfind(oldValue), oldValue.size(), "ES32");
    EXPECT_EQ(ReadFile(File()), after);
}

TEST_F(SafeReplace, AnAppendedLineStandsOnItsOwnLine) {
    const auto saveWriter = [&] {
        return Writer{
            File(),       Temp(),
            std::nullopt, {{"PatrolArea=", true, [](std::string_view) { return Set("ES32"); }}},
            std::nullopt, "PatrolArea=ES32",
            kMessages};
    };
    const std::pair<std::string, std::string> cases[] = {
        {Crlf("A=1\nB=2\n"), Crlf("A=1\nB=2\nPatrolArea=ES32\n")},
        {Crlf("A=1\n") + "B=2", Crlf("A=1\nB=2\nPatrolArea=ES32\n")},
        {"B=2", "B=2\nPatrolArea=ES32\n"},
        {"", "PatrolArea=ES32\n"},
    };
    for (const auto& [before, after] : cases) {
        WriteFile(File(), before);
        EXPECT_EQ(Run(saveWriter()), WriteOutcome::Ready);
        EXPECT_EQ(ReadFile(File()), after);
    }
}

TEST_F(SafeReplace, AStopAskedByTheWriterRemovesThePartialCopy) {
    const std::string before = Crlf("A=1\nPatrolArea=BF17\nB=2\n");
    WriteFile(File(), before);
    const Writer writer{File(),
                        Temp(),
                        std::nullopt,
                        {{"PatrolArea=", true,
                          [](std::string_view) {
                              return KeyEdit{EditAction::Abort, {}};
                          }}},
                        std::nullopt,
                        std::nullopt,
                        kMessages};
    EXPECT_EQ(Run(writer), WriteOutcome::Cancelled);
    EXPECT_TRUE(shown_.empty());
    EXPECT_EQ(ReadFile(File()), before);
    EXPECT_EQ(Names(), std::vector<std::string>{"patrols_0.cfg"});
}

TEST_F(SafeReplace, AReadOnlyFileKeepsItsContent) {
    const std::string before = Crlf("[INIT]\nPatrols=1\n[PATROL 001]\nPatrolArea=NULL\n");
    WriteFile(File(), before);
    fs::permissions(File(),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_EQ(Run(AreaWriter()), WriteOutcome::Failed);
    EXPECT_TRUE(shown_.empty());  // the copy was sound; its replacement was refused
    EXPECT_EQ(ReadFile(File()), before);
    EXPECT_EQ(Names(), std::vector<std::string>{"patrols_0.cfg"});
    fs::permissions(File(), fs::perms::owner_write, fs::perm_options::add);
}

#ifndef _WIN32
TEST_F(SafeReplace, TheNewContentKeepsTheFilesPermissions) {
    WriteFile(File(), Crlf("[INIT]\nPatrols=1\n[PATROL 001]\nPatrolArea=NULL\n"));
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(File(), mode);
    EXPECT_EQ(Run(AreaWriter()), WriteOutcome::Ready);
    EXPECT_EQ(fs::status(File()).permissions(), mode);
}
#endif

// Whatever single operation of the copy fails, the file keeps its old
// content, the user hears of it and no temporary file is left. (Failures
// while the copy is put in place are the transaction's, tested with it.)
TEST_F(SafeReplace, EveryFailingOperationLeavesTheOldContent) {
    const std::string before = Crlf("[INIT]\nPatrols=1\n[PATROL 001]\nPatrolArea=NULL\n") +
                               std::string(200000, 'z') + "\r\n";
    FaultyFileOps counter(SystemFileOps());
    WriteFile(File(), before);
    ASSERT_EQ(PrepareTempFile(counter, AreaWriter(), Show()).outcome, WriteOutcome::Ready);
    const int operations = counter.Count();
    ASSERT_GE(operations, 7);
    fs::remove(Temp());

    for (int n = 1; n <= operations; ++n) {
        shown_.clear();
        WriteFile(File(), before);
        FaultyFileOps faulty(SystemFileOps());
        faulty.FailAt(n);
        const WriteOutcome outcome = PrepareTempFile(faulty, AreaWriter(), Show()).outcome;
        const std::string failed = FileOpName(faulty.Log()[static_cast<std::size_t>(n - 1)]);
        EXPECT_NE(outcome, WriteOutcome::Ready) << failed;
        EXPECT_EQ(ReadFile(File()), before) << failed;
        const std::string expected =
            n == 1
                ? CannotOpenMessage(CareerFileKind::NextPatrol, FileTask::Rewrite, folder_.Path(),
                                    {OpenFailureCause::Other, "injected failure"})
                : "failed";
        EXPECT_EQ(shown_, std::vector<std::string>{expected}) << failed;
        EXPECT_EQ(Names(), std::vector<std::string>{"patrols_0.cfg"}) << failed;
    }
}

}  // namespace
}  // namespace kp
