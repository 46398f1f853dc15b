// KelmarPatrol [FOLDER]: the configuration folder may be named on the command
// line (a desktop entry passes a folder dropped on it); without it the
// working directory is the configuration folder.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kp {

struct CommandLine {
    enum class Action { Run, Help, Version, Error };

    Action action = Action::Run;
    std::filesystem::path folder;  // with Run: the configuration folder
    std::string text;              // with Help, Version and Error: what to print
};

inline constexpr int kUsageErrorStatus = 2;

// `args` without the program name; `workingDirectory` is used when no folder is named.
CommandLine ParseCommandLine(const std::vector<std::string>& args,
                             const std::filesystem::path& workingDirectory);

}  // namespace kp
