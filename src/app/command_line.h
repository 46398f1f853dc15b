// KelmarPatrol [FOLDER]: the configuration folder may be named on the command
// line (a desktop entry passes a folder dropped on it); without it the
// working directory is the configuration folder when it holds `careers`,
// else the folder chosen before, else the place where the simulation keeps it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_ops.h"

namespace kp {

struct CommandLine {
    enum class Action { Run, Help, Version, Error };

    Action action = Action::Run;
    // With Run: the folder named, else the working directory; with Error: the
    // path named when it is no folder, else empty.
    std::filesystem::path folder;
    bool folderNamed = false;  // with Run: whether a folder was named
    std::string text;          // with Help, Version and Error: what to print
    // The same for a message box, which breaks its lines itself: one line a paragraph.
    std::string boxText;
};

inline constexpr int kUsageErrorStatus = 2;

// `args` without the program name; `workingDirectory` is used when no folder
// is named, and a folder named must be one in `ops`. Help comes without its
// text, which HelpCommand makes from what the search finds.
CommandLine ParseCommandLine(const std::vector<std::string>& args,
                             const std::filesystem::path& workingDirectory, FileOps& ops);

// What the help tells of the search for the configuration folder.
struct SearchFacts {
    std::vector<std::filesystem::path> places;      // searched, in order, "*" for any folder
    std::filesystem::path settingsFile;             // keeps the folder the user chose; empty: none
    std::optional<std::filesystem::path> opensNow;  // a start without FOLDER; none: it asks
};

// The help: the usage, where a start without FOLDER looks, the options, and
// the folder it would open now.
CommandLine HelpCommand(const SearchFacts& search);

}  // namespace kp
