#include "app/program_start.h"

#include <algorithm>
#include <cctype>
#include <ctime>
#include <optional>

#include "grid/base_choice.h"
#include "locate/config_search.h"
#include "locate/find_careers.h"
#include "platform/path_text.h"
#include "ui/window_texts.h"

namespace kp {
namespace {

void ListCareers(CKelmarPatrol2Dlg& dlg, const std::filesystem::path& cfgFolder,
                 const std::vector<std::string>& careers) {
    dlg.m_strGrid.clear();
    dlg.m_nDaysInPort = kDaysAtLandBase;
    dlg.m_nTankerChoice = TankerChoice::kLandBase;
    dlg.m_szCfgPath = Utf8FromPath(cfgFolder);
    const std::size_t count = std::min(careers.size(), dlg.m_strCareerNames.size());
    std::copy_n(careers.begin(), count, dlg.m_strCareerNames.begin());
    dlg.m_nCareerCount = static_cast<int>(count);
}

// The program's own path as a player types it in a terminal: the portable
// folder's program is on no search path, and its folder's name may hold blanks.
std::string CommandWord(std::string_view program) {
    const bool plain = !program.empty() && std::all_of(program.begin(), program.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) != 0 ||
               std::string_view("/._-+").find(c) != std::string_view::npos;
    });
    if (plain) {
        return std::string(program);
    }
    std::string word = "'";
    for (const char c : program) {
        word += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return word + "'";
}

}  // namespace

CommandLine ReadArguments(const std::vector<std::string>& args, const UserFolders& folders) {
    // A working directory that cannot be named finds no careers either.
    return ReadArguments(args, WorkingDirectory(), SystemFileOps(), folders);
}

CommandLine ReadArguments(const std::vector<std::string>& args,
                          const std::filesystem::path& workingDirectory, FileOps& ops,
                          const UserFolders& folders) {
    CommandLine line = ParseCommandLine(args, workingDirectory, ops);
    if (line.action != CommandLine::Action::Help) {
        return line;
    }
    const auto opens = FindFolderToOpen({workingDirectory, false}, ops, folders);
    return HelpCommand({ConfigSearchPlaces(ops, folders), folders.settingsFile,
                        opens ? std::optional(opens->cfg) : std::nullopt});
}

std::string NoCareersFoundMessage(std::string_view cfgFolder, std::string_view program) {
    return "Cannot find the Kelmar careers in the folder '" + std::string(cfgFolder) +
           "'.\nName the configuration folder, the folder that holds 'careers', when you start "
           "the program: " +
           CommandWord(program) +
           " FOLDER. Started without FOLDER, it asks for one again where it finds none.";
}

std::string NoFolderChosenMessage(std::string_view program) {
    const std::string name(kProgramName);
    return "No configuration folder was chosen, so " + name +
           " has nothing to open.\nTo choose one, start " + name +
           " again from the menu and choose the folder that holds 'careers', or drop that "
           "folder on the menu entry's icon, or name it in a terminal: " +
           CommandWord(program) + " FOLDER.";
}

StartOutcome StartProgram(CKelmarPatrol2Dlg& dlg, RandomSource& random, const CommandLine& line,
                          const UserFolders& folders, const FolderChooser& choose,
                          const std::function<void(const std::string&)>& tell) {
    const std::optional<FolderToOpen> start =
        SettleFolderToOpen({line.folder, line.folderNamed}, SystemFileOps(), folders, choose);
    if (!start) {
        return StartOutcome::NoFolderChosen;
    }
    if (!start->notice.empty()) {
        tell(start->notice);
    }
    dlg.SelectOnOpening(start->careerToSelect);
    return StartInConfigFolder(dlg, random, ClockSeed(), SystemFileOps(), start->cfg)
               ? StartOutcome::Opened
               : StartOutcome::NoCareers;
}

bool StartInConfigFolder(CKelmarPatrol2Dlg& dlg, RandomSource& random, std::uint32_t seed,
                         FileOps& ops, const std::filesystem::path& cfgFolder) {
    random.Seed(seed);
    const std::vector<std::string> careers = FindCareers(ops, cfgFolder);
    ListCareers(dlg, cfgFolder, careers);
    return !careers.empty();
}

std::uint32_t ClockSeed() {
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(std::time(nullptr)));
}

}  // namespace kp
