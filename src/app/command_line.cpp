#include "app/command_line.h"

#include <algorithm>
#include <system_error>

#include "app/config_search.h"
#include "career/file_names.h"
#include "ui/window_texts.h"

namespace kp {
namespace {

const std::string kUsage =
    "Usage: KelmarPatrol [FOLDER]\n"
    "Edit the careers of the simulation's configuration folder FOLDER\n"
    "(the folder that holds 'careers'); without FOLDER, the current folder";

const std::string kSearchedPlaces =
    " when it\n"
    "holds 'careers', else the one of these places whose 'careers' holds a career\n"
    "(names in any letter case; where several do, the one changed last):\n";

const std::string kOptions =
    "\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n";

const std::string kTryHelp = "Try 'KelmarPatrol --help'.\n";

std::string Help(const UserFolders& folders) {
    const std::vector<std::filesystem::path> places = ConfigSearchPlaces(folders);
    if (places.empty()) {
        return kUsage + ".\n" + kOptions;
    }
    std::string help = kUsage + kSearchedPlaces;
    for (const std::filesystem::path& place : places) {
        help += "  " + Utf8FromPath(place) + "\n";
    }
    return help + kOptions;
}

CommandLine Error(const std::string& what) {
    return {CommandLine::Action::Error, {}, false, "KelmarPatrol: " + what + "\n" + kTryHelp};
}

bool HoldsCareers(FileOps& ops, const std::filesystem::path& folder) {
    const auto entries = ops.List(folder);
    return entries && std::any_of(entries->begin(), entries->end(), [](const DirEntry& e) {
               return e.isDirectory && EqualsIgnoringCase(e.name, kCareersFolder);
           });
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args,
                             const std::filesystem::path& workingDirectory,
                             const UserFolders& folders) {
    std::vector<std::string> named;
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        if (!optionsEnded && arg == "--help") {
            return {CommandLine::Action::Help, {}, false, Help(folders)};
        }
        if (!optionsEnded && arg == "--version") {
            return {CommandLine::Action::Version,
                    {},
                    false,
                    "KelmarPatrol " + std::string(kProgramVersion) + "\n"};
        }
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            return Error("unknown option '" + arg + "'");
        } else {
            named.push_back(arg);
        }
    }
    if (named.size() > 1) {
        return Error("one configuration folder at most");
    }
    if (named.empty()) {
        return {CommandLine::Action::Run, workingDirectory, false, {}};
    }
    const std::filesystem::path folder = workingDirectory / PathFromUtf8(named.front());
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        return Error("no such folder: '" + named.front() + "'");
    }
    return {CommandLine::Action::Run, folder.lexically_normal(), true, {}};
}

std::filesystem::path ChooseConfigFolder(const CommandLine& line, FileOps& ops,
                                         const UserFolders& folders) {
    if (line.folderNamed || HoldsCareers(ops, line.folder)) {
        return line.folder;
    }
    return FindConfigFolder(ops, folders).value_or(line.folder);
}

}  // namespace kp
