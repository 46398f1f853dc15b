#include "app/command_line.h"

#include <gtest/gtest.h>

#include "career_fixture.h"

namespace kp {
namespace {

namespace fs = std::filesystem;
using Action = CommandLine::Action;

TEST(CommandLine, WithoutAFolderTheWorkingDirectoryIsUsed) {
    const CommandLine line = ParseCommandLine({}, "/somewhere");
    EXPECT_EQ(line.action, Action::Run);
    EXPECT_EQ(line.folder, fs::path("/somewhere"));
}

TEST(CommandLine, AFolderIsTakenRelativeToTheWorkingDirectoryOrAbsolute) {
    ScratchFolder scratch;
    fs::create_directories(scratch.Path() / "My Documents" / "cfg");
    const CommandLine relative = ParseCommandLine({"My Documents/cfg"}, scratch.Path());
    EXPECT_EQ(relative.action, Action::Run);
    EXPECT_EQ(relative.folder, (scratch.Path() / "My Documents" / "cfg").lexically_normal());
    const fs::path absolute = scratch.Path() / "My Documents";
    EXPECT_EQ(ParseCommandLine({absolute.string()}, "/elsewhere").folder,
              absolute.lexically_normal());
    // After "--" a name that looks like an option is a folder.
    fs::create_directories(scratch.Path() / "-cfg");
    EXPECT_EQ(ParseCommandLine({"--", "-cfg"}, scratch.Path()).action, Action::Run);
}

TEST(CommandLine, HelpAndVersionPrintAndEnd) {
    const CommandLine help = ParseCommandLine({"--help"}, ".");
    EXPECT_EQ(help.action, Action::Help);
    EXPECT_EQ(help.text.rfind("Usage: KelmarPatrol [FOLDER]\n", 0), 0u);
    const CommandLine version = ParseCommandLine({"x", "--version"}, ".");
    EXPECT_EQ(version.action, Action::Version);
    EXPECT_EQ(version.text, "KelmarPatrol 4.0.0.0\n");
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
        const CommandLine line = ParseCommandLine(c.args, scratch.Path());
        EXPECT_EQ(line.action, Action::Error) << c.text;
        EXPECT_EQ(line.text, c.text + "Try 'KelmarPatrol --help'.\n");
    }
}

}  // namespace
}  // namespace kp
