// The real Windows file operations: the replacing move, names found whatever
// their letter case, and CRLF files kept byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include <windows.h>

#include "apply/temp_copy.h"
#include "career/career_read.h"
#include "career/file_names.h"
#include "career/line_io.h"
#include "career_fixture.h"
#include "change_one_file.h"
#include "platform/file_ops.h"
#include "platform/path_text.h"

namespace kp {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(InputFile& file) {
    std::string bytes;
    char buffer[7];  // small, so that reads end in the middle of line ends
    for (;;) {
        const std::ptrdiff_t got = file.Read(buffer, sizeof buffer);
        if (got <= 0) {
            EXPECT_EQ(got, 0);
            return bytes;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

std::vector<std::string> Names(const fs::path& dir) {
    std::vector<std::string> names;
    const auto entries = SystemFileOps().List(dir).value();
    for (const DirEntry& entry : entries) {
        names.push_back(entry.name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool WriteThroughOps(const fs::path& file, std::string_view bytes) {
    auto out = SystemFileOps().Create(file);
    return out && out->Write(bytes.data(), bytes.size()) && out->Flush() && out->Sync() &&
           out->Close();
}

const std::string kCrlfFile = "[INIT]\r\nPatrols=2\r\n\r\n[PATROL 002]\r\nPatrolArea=NULL\r\nEnd=1";

class WindowsFileOps : public ::testing::Test {
  protected:
    fs::path In(std::string_view name) const { return folder_.Path() / PathFromUtf8(name); }

    ScratchFolder folder_;
};

TEST_F(WindowsFileOps, ReplaceOverAnExistingFileLeavesOnlyTheNewContent) {
    WriteFile(In("patrols_0.cfg"), "old\r\n");
    WriteFile(In("patrols_TMP.cfg"), "new\r\n");
    ASSERT_TRUE(SystemFileOps().Replace(In("patrols_TMP.cfg"), In("patrols_0.cfg")));
    EXPECT_EQ(ReadFile(In("patrols_0.cfg")), "new\r\n");
    EXPECT_EQ(Names(folder_.Path()), std::vector<std::string>{"patrols_0.cfg"});
}

TEST_F(WindowsFileOps, ReplaceOfAFileOpenForReadingWorksOrKeepsBothFiles) {
    WriteFile(In("patrols_0.cfg"), "old\r\n");
    WriteFile(In("patrols_TMP.cfg"), "new\r\n");
    auto reader = SystemFileOps().OpenRead(In("patrols_0.cfg"));
    ASSERT_NE(reader, nullptr);
    if (SystemFileOps().Replace(In("patrols_TMP.cfg"), In("patrols_0.cfg"))) {
        // The open handle still reads the file it opened.
        EXPECT_EQ(ReadAll(*reader), "old\r\n");
        reader.reset();
        EXPECT_EQ(ReadFile(In("patrols_0.cfg")), "new\r\n");
        EXPECT_EQ(Names(folder_.Path()), std::vector<std::string>{"patrols_0.cfg"});
    } else {
        reader.reset();
        EXPECT_EQ(ReadFile(In("patrols_0.cfg")), "old\r\n");
        EXPECT_EQ(ReadFile(In("patrols_TMP.cfg")), "new\r\n");
    }
}

TEST_F(WindowsFileOps, ReplaceOfAMissingFileFailsAndKeepsTheTarget) {
    WriteFile(In("patrols_0.cfg"), "old\r\n");
    EXPECT_FALSE(SystemFileOps().Replace(In("patrols_TMP.cfg"), In("patrols_0.cfg")));
    EXPECT_EQ(ReadFile(In("patrols_0.cfg")), "old\r\n");
}

// As the simulation or a virus scanner holds a career's file: shared with
// no one. The selection says the file is held, not that it is missing.
TEST_F(WindowsFileOps, AFileAnotherProgramHoldsIsToldHeldNotMissing) {
    WriteFile(In("patrols_0.cfg"), kCrlfFile);
    WriteFile(In("patrols.cfg"), kCrlfFile);
    fs::create_directory(In("careers_0.cfg"));
    HANDLE held = CreateFileW(In("patrols_0.cfg").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(SystemFileOps().OpenRead(In("patrols_0.cfg")), nullptr);
    EXPECT_EQ(SystemFileOps().LastOpenFailure().cause, OpenFailureCause::Held);
    const CareerRead read = ReadCareer(SystemFileOps(), folder_.Path());
    EXPECT_EQ(read.failure, LoadFailure::NoNextPatrolFile);
    EXPECT_EQ(read.unopened.cause, OpenFailureCause::Held);
    EXPECT_EQ(LoadFailureText(read).rfind("Another program is using your 'patrols_0.cfg' file", 0),
              0u)
        << LoadFailureText(read);
    CloseHandle(held);
    EXPECT_NE(SystemFileOps().OpenRead(In("patrols_0.cfg")), nullptr);

    // A file not there, and a folder under a file's name, are missing.
    for (const char* name : {"patrols_1.cfg", "careers_0.cfg"}) {
        EXPECT_EQ(SystemFileOps().OpenRead(In(name)), nullptr) << name;
        EXPECT_EQ(SystemFileOps().LastOpenFailure().cause, OpenFailureCause::Missing) << name;
    }
}

TEST_F(WindowsFileOps, UpperCaseNamesAreFoundAndOpened) {
    WriteFile(In("PATROLS_0.CFG"), "PatrolArea=NULL\r\n");
    EXPECT_EQ(FindEntry(SystemFileOps(), folder_.Path(), kNextPatrolFile), In("PATROLS_0.CFG"));
    EXPECT_EQ(Names(folder_.Path()), std::vector<std::string>{"PATROLS_0.CFG"});
    // The file system itself ignores letter case too.
    auto reader = SystemFileOps().OpenRead(In("patrols_0.cfg"));
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(ReadAll(*reader), "PatrolArea=NULL\r\n");
}

TEST_F(WindowsFileOps, ReplaceKeepsTheLetterCaseOfTheNewName) {
    WriteFile(In("PATROLS_0.CFG"), "old\r\n");
    WriteFile(In("patrols_TMP.cfg"), "new\r\n");
    const fs::path target = FindEntry(SystemFileOps(), folder_.Path(), kNextPatrolFile);
    ASSERT_TRUE(SystemFileOps().Replace(In("patrols_TMP.cfg"), target));
    EXPECT_EQ(Names(folder_.Path()), std::vector<std::string>{"PATROLS_0.CFG"});
    EXPECT_EQ(ReadFile(target), "new\r\n");
}

TEST_F(WindowsFileOps, FoldersAreListedButNotOpenedAsFiles) {
    fs::create_directory(In("5"));
    WriteFile(In("patrols.cfg"), "x\r\n");
    const auto entries = SystemFileOps().List(folder_.Path()).value();
    ASSERT_EQ(entries.size(), 2u);
    for (const DirEntry& entry : entries) {
        EXPECT_EQ(entry.isDirectory, entry.name == "5");
        EXPECT_TRUE(entry.lastWriteSeconds.has_value());
    }
    EXPECT_EQ(SystemFileOps().OpenRead(In("5")), nullptr);
    EXPECT_FALSE(SystemFileOps().List(In("missing")).has_value());
    EXPECT_FALSE(SystemFileOps().List(In("patrols.cfg")).has_value());
}

TEST_F(WindowsFileOps, WriteTimesAreListedBefore1970Too) {
    WriteFile(In("a.psc"), "x");
    const std::int64_t cases[] = {-100, -1, 0, 1000, 1262304000};
    for (const std::int64_t seconds : cases) {
        const std::chrono::sys_seconds when{std::chrono::seconds(seconds)};
        fs::last_write_time(In("a.psc"), std::chrono::file_clock::from_sys(when));
        const auto entries = SystemFileOps().List(folder_.Path()).value();
        ASSERT_EQ(entries.size(), 1u);
        EXPECT_EQ(entries[0].lastWriteSeconds, seconds);
    }
}

TEST_F(WindowsFileOps, CrlfBytesAreWrittenAndReadAsTheyAre) {
    ASSERT_TRUE(WriteThroughOps(In("patrols_0.cfg"), kCrlfFile));
    EXPECT_EQ(ReadFile(In("patrols_0.cfg")), kCrlfFile);
    auto reader = SystemFileOps().OpenRead(In("patrols_0.cfg"));
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(ReadAll(*reader), kCrlfFile);
}

TEST_F(WindowsFileOps, LinesSeeCrlfEndsAndPutThemBack) {
    WriteFile(In("patrols_0.cfg"), kCrlfFile);
    auto input = SystemFileOps().OpenRead(In("patrols_0.cfg"));
    ASSERT_NE(input, nullptr);
    auto output = SystemFileOps().Create(In("patrols_TMP.cfg"));
    ASSERT_NE(output, nullptr);
    LineReader reader(*input);
    LineWriter writer(*output);
    std::vector<std::string> ends;
    LineView line;
    while (reader.Next(line)) {
        EXPECT_EQ(line.text.find('\r'), std::string::npos);
        ends.emplace_back(line.end);
        writer.Put(line, reader);
    }
    EXPECT_FALSE(reader.Failed());
    EXPECT_TRUE(writer.Finish());
    EXPECT_TRUE(output->Close());
    EXPECT_EQ(ends, (std::vector<std::string>{"\r\n", "\r\n", "\r\n", "\r\n", "\r\n", ""}));
    EXPECT_EQ(ReadFile(In("patrols_TMP.cfg")), kCrlfFile);
}

TEST_F(WindowsFileOps, RewriteOfAnUpperCaseCrlfFileChangesOnlyTheValue) {
    WriteFile(In("PATROLS_0.CFG"), kCrlfFile);
    const Writer writer{FindEntry(SystemFileOps(), folder_.Path(), kNextPatrolFile),
                        FindEntry(SystemFileOps(), folder_.Path(), kSharedTempFile),
                        std::nullopt,
                        {{"PatrolArea=", true,
                          [](std::string_view) {
                              return KeyEdit{EditAction::Replace, "ES32"};
                          }}},
                        1,
                        std::nullopt,
                        {CareerFileKind::NextPatrol, "error mark", "failed", "done"}};
    std::vector<std::string> shown;
    EXPECT_EQ(ChangeOneFile(SystemFileOps(), folder_.Path(), writer,
                            [&](const std::string& text) { shown.push_back(text); }),
              WriteOutcome::Ready);
    std::string expected = kCrlfFile;
    expected.replace(expected.find("NULL"), 4, "ES32");
    EXPECT_EQ(ReadFile(In("PATROLS_0.CFG")), expected);
    EXPECT_EQ(NamesBesideTheRecord(folder_.Path()), std::vector<std::string>{"PATROLS_0.CFG"});
    EXPECT_TRUE(shown.empty());
}

}  // namespace
}  // namespace kp
