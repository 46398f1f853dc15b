// KelmarPatrol [FOLDER]: the configuration folder may be named on the command
// line (a desktop entry passes a folder dropped on it); without it the
// working directory is the configuration folder when it holds `careers`,
// else the place where the simulation keeps it.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/file_ops.h"
#include "platform/user_folders.h"

namespace kp {

struct CommandLine {
    enum class Action { Run, Help, Version, Error };

    Action action = Action::Run;
    std::filesystem::path folder;  // with Run: the folder named, else the working directory
    bool folderNamed = false;      // with Run: whether a folder was named
    std::string text;              // with Help, Version and Error: what to print
};

inline constexpr int kUsageErrorStatus = 2;

// `args` without the program name; `workingDirectory` is used when no folder
// is named; the help lists the places searched below `folders`.
CommandLine ParseCommandLine(const std::vector<std::string>& args,
                             const std::filesystem::path& workingDirectory,
                             const UserFolders& folders);

// The configuration folder a Run works on: the folder named, as it is; else
// the working directory when it holds a `careers` folder; else the place the
// simulation keeps it in; else the working directory, where discovery finds
// no careers.
std::filesystem::path ChooseConfigFolder(const CommandLine& line, FileOps& ops,
                                         const UserFolders& folders);

}  // namespace kp
