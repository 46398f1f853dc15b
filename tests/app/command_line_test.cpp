#include "app/command_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "app/program_start.h"
#include "career_fixture.h"
#include "memory_file_ops.h"

namespace kp {
namespace {

namespace fs = std::filesystem;
using Action = CommandLine::Action;

const UserFolders kNoFolders;
MemoryFileOps noFiles;

TEST(CommandLine, WithoutAFolderTheWorkingDirectoryIsUsed) {
    const CommandLine line = ParseCommandLine({}, "/somewhere", noFiles);
    EXPECT_EQ(line.action, Action::Run);
    EXPECT_EQ(line.folder, fs::path("/somewhere"));
}

TEST(CommandLine, AFolderIsTakenRelativeToTheWorkingDirectoryOrAbsolute) {
    ScratchFolder scratch;
    fs::create_directories(scratch.Path() / "My Documents" / "cfg");
    const CommandLine relative =
        ParseCommandLine({"My Documents/cfg"}, scratch.Path(), SystemFileOps());
    EXPECT_EQ(relative.action, Action::Run);
    EXPECT_EQ(relative.folder, (scratch.Path() / "My Documents" / "cfg").lexically_normal());
    const fs::path absolute = scratch.Path() / "My Documents";
    EXPECT_EQ(ParseCommandLine({absolute.string()}, "/elsewhere", SystemFileOps()).folder,
              absolute.lexically_normal());
    // After "--" a name that looks like an option is a folder.
    fs::create_directories(scratch.Path() / "-cfg");
    EXPECT_EQ(ParseCommandLine({"--", "-cfg"}, scratch.Path(), SystemFileOps()).action,
              Action::Run);
}

TEST(CommandLine, AFolderIsLookedForInTheFilesGiven) {
    MemoryFileOps ops;
    ops.Put("/games/cfg/careers/Prien/patrols.cfg", "x");
    const CommandLine line = ParseCommandLine({"cfg/careers"}, "/games", ops);
    EXPECT_EQ(line.action, Action::Run);
    EXPECT_EQ(line.folder, fs::path("/games/cfg/careers").lexically_normal());
    const CommandLine file = ParseCommandLine({"cfg/careers/Prien/patrols.cfg"}, "/games", ops);
    EXPECT_EQ(file.text,
              "KelmarPatrol: not a folder: 'cfg/careers/Prien/patrols.cfg'\n"
              "Try 'KelmarPatrol --help'.\n");
    // The box names the whole path, in the system's separators.
    EXPECT_EQ(file.boxText,
              "'" + fs::path("/games/cfg/careers/Prien/patrols.cfg").lexically_normal().string() +
                  "' is a file, not a folder.\nGive KelmarPatrol the simulation's configuration "
                  "folder, the folder that holds 'careers', or one career's folder.");
    EXPECT_EQ(ParseCommandLine({"cfg"}, "/games", noFiles).action, Action::Error);
    // One this user may not read is a file all the same.
    ops.Refuse("/games/cfg/careers/Prien/patrols.cfg", {OpenFailureCause::Denied, {}});
    EXPECT_EQ(ParseCommandLine({"cfg/careers/Prien/patrols.cfg"}, "/games", ops).text, file.text);
}

TEST(CommandLine, TheProgramReadsItsArgumentsInTheWorkingDirectory) {
    const CommandLine line = ReadArguments({}, kNoFolders);
    EXPECT_EQ(line.action, Action::Run);
    EXPECT_EQ(line.folder, fs::current_path());
}

TEST(CommandLine, HelpAndVersionPrintAndEnd) {
    const CommandLine help = ReadArguments({"--help"}, ".", noFiles, kNoFolders);
    EXPECT_EQ(help.action, Action::Help);
    EXPECT_EQ(help.text.rfind("Usage: KelmarPatrol [FOLDER]\n", 0), 0u);
    EXPECT_EQ(ReadArguments({"-h"}, ".", noFiles, kNoFolders).text, help.text);
    // The commands no button shows, and where they are.
    EXPECT_NE(help.boxText.find("the menu key or Shift+F10 opens the menu with \"About "
                                "KelmarPatrol...\" (also F1) and \"Undo Last Changes...\" "
                                "(also Ctrl+Alt+Z)"),
              std::string::npos);
    // The places searched, in the order searched, with this system's separators.
    const auto helpOn = [](const UserFolders& folders) {
        std::string text = ReadArguments({"--help"}, ".", noFiles, folders).text;
        std::replace(text.begin(), text.end(), '\\', '/');
        return text;
    };
    const std::string places = helpOn({"", "/h", "/w", "", ""});
    const auto prefix = places.find("\n  /w/drive_c/users/*/Documents/Kelmar/Data/cfg\n");
    const auto wine = places.find("\n  /h/.wine/drive_c/users/*/My Documents/Kelmar/Data/cfg\n");
    EXPECT_LT(prefix, wine);
    EXPECT_NE(wine, std::string::npos);
    EXPECT_NE(helpOn({"/d", "", "", "", ""}).find("\n  /d/Kelmar/Data/cfg\n"), std::string::npos);
    const CommandLine version = ParseCommandLine({"x", "--version"}, ".", noFiles);
    EXPECT_EQ(version.action, Action::Version);
    EXPECT_EQ(version.text, "KelmarPatrol " KP_PROJECT_VERSION "\n");
}

TEST(CommandLine, HelpEndsWithTheFolderAStartWouldOpenNow) {
    const UserFolders folders = {"", "/home/u", "", "", "/home/u/.config/kelmarpatrol.conf"};
    MemoryFileOps ops;
    const auto help = [&] { return ReadArguments({"--help"}, "/elsewhere", ops, folders); };
    // With this system's separators as "/".
    const auto lastLine = [&] {
        std::string text = help().text;
        std::replace(text.begin(), text.end(), '\\', '/');
        return text.substr(text.rfind('\n', text.size() - 2) + 1);
    };
    EXPECT_EQ(lastLine(), "Now without FOLDER it finds no configuration folder and asks.\n");
    const fs::path cfg = "/home/u/.wine/drive_c/users/u/Documents/Kelmar/Data/cfg";
    ops.Put(cfg / "careers" / "Prien" / "patrols.cfg", "x");
    EXPECT_EQ(lastLine(), "Now without FOLDER it opens " + cfg.generic_string() + "\n");
    EXPECT_NE(help().text.find("kept in /home/u/.config/kelmarpatrol.conf;"), std::string::npos);
    // A terminal gets the prose in lines of 79 columns; a message box, which
    // breaks lines itself, gets each paragraph whole.
    const std::string paragraph =
        "\nEdit the careers of the simulation's configuration folder FOLDER, the folder that "
        "holds 'careers'; given 'careers' itself or one career's folder, the folder above it, "
        "with that career selected.\n";
    EXPECT_NE(help().boxText.find(paragraph), std::string::npos);
    std::istringstream lines(help().text);
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with("  ") && !line.starts_with("Now ")) {
            EXPECT_LE(line.size(), 79u) << line;
        }
    }
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
        {{"file"}, "KelmarPatrol: not a folder: 'file'\n"},
        {{"a", "b"}, "KelmarPatrol: one configuration folder at most\n"},
    };
    for (const auto& c : cases) {
        const CommandLine line = ParseCommandLine(c.args, scratch.Path(), SystemFileOps());
        EXPECT_EQ(line.action, Action::Error) << c.text;
        EXPECT_EQ(line.text, c.text + "Try 'KelmarPatrol --help'.\n");
    }
}

}  // namespace
}  // namespace kp
