// Start-up, the same in both programs, in two steps either side of the
// window system. ReadArguments reads the command line once; on Help,
// Version or Error the program answers and ends without a window. Else, the
// window system up, StartProgram settles the configuration folder (asking
// the user when none is found), then StartInConfigFolder seeds the random
// source once, with the clock's seconds, and lists the careers found there.
// The scenario runner and the tests start at StartInConfigFolder with a
// folder and a seed of their own.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "grid/random_source.h"
#include "locate/folder_to_open.h"
#include "platform/file_ops.h"
#include "platform/user_folders.h"
#include "ui/patrol_dialog.h"

namespace kp {

// What a program shows, before it ends, when start-up finds no career.
inline const std::string kNoCareersMessage =
    "Cannot find the Kelmar careers path.\nYou MUST place this program in your folder 'My "
    "Documents\\Kelmar\\Data\\cfg'.";

// The same for a player on Linux, where the program is installed, not placed
// in a Windows folder: the folder looked in, and how to give another to
// `program`, the path the program runs from.
std::string NoCareersFoundMessage(std::string_view cfgFolder, std::string_view program);

// On Linux, after Cancel in the folder chooser: nothing was chosen, and how
// to choose, from the menu as from a terminal with `program`.
std::string NoFolderChosenMessage(std::string_view program);

// The program's arguments, without its name, read in the working directory
// on the system's files.
CommandLine ReadArguments(const std::vector<std::string>& args, const UserFolders& folders);

// ParseCommandLine, and for --help the help made from what the search finds
// now below `folders` and from `workingDirectory`.
CommandLine ReadArguments(const std::vector<std::string>& args,
                          const std::filesystem::path& workingDirectory, FileOps& ops,
                          const UserFolders& folders);

enum class StartOutcome {
    Opened,          // the window is to open
    NoCareers,       // the folder settled holds no career
    NoFolderChosen,  // none was found and the chooser was cancelled
};

// For a command line that asks for the window: the configuration folder
// settled (`choose` is asked only when none is found, and `tell` shows what
// the player must hear of the choice), the career it names selected on
// opening, then StartInConfigFolder with ClockSeed. Unless Opened, the
// program ends with its message instead of opening its window.
StartOutcome StartProgram(CKelmarPatrol2Dlg& dlg, RandomSource& random, const CommandLine& line,
                          const UserFolders& folders, const FolderChooser& choose,
                          const std::function<void(const std::string&)>& tell);

// The one seeding of the random source, then the careers of `cfgFolder`
// listed in the dialog, at most kMaxCareers of them, with the window's
// first values (no grid, the land base); false when it finds no career.
bool StartInConfigFolder(CKelmarPatrol2Dlg& dlg, RandomSource& random, std::uint32_t seed,
                         FileOps& ops, const std::filesystem::path& cfgFolder);

// The seed of a start without a chosen one: the clock's seconds, low 32 bits.
std::uint32_t ClockSeed();

}  // namespace kp
