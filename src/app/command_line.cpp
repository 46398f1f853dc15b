#include "app/command_line.h"

#include <system_error>

#include "career/file_names.h"
#include "ui/window_texts.h"

namespace kp {
namespace {

const std::string kUsage =
    "Usage: KelmarPatrol [FOLDER]\n"
    "Edit the careers of the simulation's configuration folder FOLDER\n"
    "(the folder that holds 'careers'); without FOLDER, the current folder.\n"
    "\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n";

const std::string kTryHelp = "Try 'KelmarPatrol --help'.\n";

CommandLine Error(const std::string& what) {
    return {CommandLine::Action::Error, {}, "KelmarPatrol: " + what + "\n" + kTryHelp};
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args,
                             const std::filesystem::path& workingDirectory) {
    std::vector<std::string> folders;
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        if (!optionsEnded && arg == "--help") {
            return {CommandLine::Action::Help, {}, kUsage};
        }
        if (!optionsEnded && arg == "--version") {
            return {CommandLine::Action::Version,
                    {},
                    "KelmarPatrol " + std::string(kProgramVersion) + "\n"};
        }
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            return Error("unknown option '" + arg + "'");
        } else {
            folders.push_back(arg);
        }
    }
    if (folders.size() > 1) {
        return Error("one configuration folder at most");
    }
    if (folders.empty()) {
        return {CommandLine::Action::Run, workingDirectory, {}};
    }
    const std::filesystem::path folder = workingDirectory / PathFromUtf8(folders.front());
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        return Error("no such folder: '" + folders.front() + "'");
    }
    return {CommandLine::Action::Run, folder.lexically_normal(), {}};
}

}  // namespace kp
