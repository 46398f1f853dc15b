#include "app/command_line.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "career_fixture.h"
#include "memory_file_ops.h"

namespace kp {
namespace {

namespace fs = std::filesystem;
using Action = CommandLine::Action;

const UserFolders kNoFolders;

TEST(CommandLine, WithoutAFolderTheWorkingDirectoryIsUsed) {
    const CommandLine line = ParseCommandLine({}, "/somewhere", kNoFolders);
    EXPECT_EQ(line.action, Action::Run);
    EXPECT_EQ(line.folder, fs::path("/somewhere"));
}

TEST(CommandLine, AFolderIsTakenRelativeToTheWorkingDirectoryOrAbsolute) {
    ScratchFolder scratch;
    fs::create_directories(scratch.Path() / "My Documents" / "cfg");
    const CommandLine relative = ParseCommandLine({"My Documents/cfg"}, scratch.Path(), kNoFolders);
    EXPECT_EQ(relative.action, Action::Run);
    EXPECT_EQ(relative.folder, (scratch.Path() / "My Documents" / "cfg").lexically_normal());
    const fs::path absolute = scratch.Path() / "My Documents";
    EXPECT_EQ(ParseCommandLine({absolute.string()}, "/elsewhere", kNoFolders).folder,
              absolute.lexically_normal());
    // After "--" a name that looks like an option is a folder.
    fs::create_directories(scratch.Path() / "-cfg");
    EXPECT_EQ(ParseCommandLine({"--", "-cfg"}, scratch.Path(), kNoFolders).action, Action::Run);
}

TEST(CommandLine, HelpAndVersionPrintAndEnd) {
    const CommandLine help = ParseCommandLine({"--help"}, ".", kNoFolders);
    EXPECT_EQ(help.action, Action::Help);
    EXPECT_EQ(help.text.rfind("Usage: KelmarPatrol [FOLDER]\n", 0), 0u);
    // The places searched, in the order searched, with this system's separators.
    const auto helpOn = [](const UserFolders& folders) {
        std::string text = ParseCommandLine({"--help"}, ".", folders).text;
        std::replace(text.begin(), text.end(), '\\', '/');
        return text;
    };
    const std::string places = helpOn({"", "/h", "/w"});
    const auto prefix = places.find("\n  /w/drive_c/users/*/Documents/Kelmar/Data/cfg\n");
    const auto wine = places.find("\n  /h/.wine/drive_c/users/*/My Documents/Kelmar/Data/cfg\n");
    EXPECT_LT(prefix, wine);
    EXPECT_NE(wine, std::string::npos);
    EXPECT_NE(helpOn({"/d", "", ""}).find("\n  /d/Kelmar/Data/cfg\n"), std::string::npos);
    const CommandLine version = ParseCommandLine({"x", "--version"}, ".", kNoFolders);
    EXPECT_EQ(version.action, Action::Version);
    EXPECT_EQ(version.text, "KelmarPatrol 4.0.0.0\n");
}

TEST(CommandLine, TheSearchIsOnlyForAWorkingDirectoryWithoutCareers) {
    const UserFolders folders = {"", "/home/u", ""};
    const fs::path kept = "/home/u/.wine/drive_c/users/u/Documents/Kelmar/Data/cfg";
    MemoryFileOps ops;
    ops.Put(kept / "careers" / "Prien" / "patrols.cfg", "x");
    ops.Put("/named/notes.txt", "x");
    ops.Put("/started/CAREERS/notes.txt", "x");
    ops.Put("/elsewhere/careers.txt", "x");
    const CommandLine named = {Action::Run, "/named", true, {}};
    EXPECT_EQ(ChooseConfigFolder(named, ops, folders), fs::path("/named"));
    const auto unnamed = [](const char* workingDirectory) {
        return ParseCommandLine({}, workingDirectory, kNoFolders);
    };
    EXPECT_EQ(ChooseConfigFolder(unnamed("/started"), ops, folders), fs::path("/started"));
    EXPECT_EQ(ChooseConfigFolder(unnamed("/elsewhere"), ops, folders), kept);
    EXPECT_EQ(ChooseConfigFolder(unnamed("/elsewhere"), ops, kNoFolders), fs::path("/elsewhere"));
}

TEST(CommandLine, MistakesAreExplained) {
    ScratchFolder scratch;
    fs::create_directories(scratch.Path() / "a");
    fs::create_directories(scratch.Path() / "b");
    WriteFile(scratch.Path() / "file", "x");
    const struct {
        std::vector<std::string> args;
        std::string text;
    } cases[] = {
        {{"--colour"}, "KelmarPatrol: unknown option '--colour'\n"},
        {{"-v"}, "KelmarPatrol: unknown option '-v'\n"},
        {{"missing"}, "KelmarPatrol: no such folder: 'missing'\n"},
        {{"file"}, "KelmarPatrol: no such folder: 'file'\n"},
        {{"a", "b"}, "KelmarPatrol: one configuration folder at most\n"},
    };
    for (const auto& c : cases) {
        const CommandLine line = ParseCommandLine(c.args, scratch.Path(), kNoFolders);
        EXPECT_EQ(line.action, Action::Error) << c.text;
        EXPECT_EQ(line.text, c.text + "Try 'KelmarPatrol --help'.\n");
    }
}

}  // namespace
}  // namespace kp
