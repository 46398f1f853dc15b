#include "app/program_start.h"

#include <ctime>

#include "app/find_careers.h"
#include "ui/window_texts.h"

namespace kp {

CommandLine ReadArguments(const std::vector<std::string>& args, const UserFolders& folders) {
    // A working directory that cannot be named finds no careers either.
    return ParseCommandLine(args, WorkingDirectory(), SystemFileOps(), folders);
}

std::string NoCareersFoundMessage(std::string_view cfgFolder) {
    return "Cannot find the Kelmar careers in the folder '" + std::string(cfgFolder) +
           "'.\nName the configuration folder, the folder that holds 'careers', when you start "
           "the program: " +
           std::string(kProgramName) +
           " FOLDER. Started without FOLDER, it asks for one again where it finds none.";
}

bool StartProgram(CKelmarPatrol2Dlg& dlg, RandomSource& random, const CommandLine& line,
                  const UserFolders& folders, const FolderChooser& choose) {
    const StartFolder start = SettleStartFolder(line, SystemFileOps(), folders, choose);
    dlg.SelectOnOpening(start.career);
    return SeedAndFindCareers(dlg, random, ClockSeed(), SystemFileOps(), start.cfg);
}

bool SeedAndFindCareers(CKelmarPatrol2Dlg& dlg, RandomSource& random, std::uint32_t seed,
                        FileOps& ops, const std::filesystem::path& cfgFolder) {
    random.Seed(seed);
    return FindCareers(dlg, ops, cfgFolder) != 0;
}

std::uint32_t ClockSeed() {
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(std::time(nullptr)));
}

}  // namespace kp
