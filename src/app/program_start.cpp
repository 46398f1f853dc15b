#include "app/program_start.h"

#include <filesystem>
#include <system_error>

#include "app/find_careers.h"

namespace kp {

CommandLine ParseProgramArguments(const std::vector<std::string>& args,
                                  const UserFolders& folders) {
    // A working directory that cannot be read finds no careers either.
    std::error_code error;
    return ParseCommandLine(args, std::filesystem::current_path(error), SystemFileOps(), folders);
}

bool StartProgram(CKelmarPatrol2Dlg& dlg, RandomSource& random, const CommandLine& line,
                  const UserFolders& folders, const FolderChooser& choose) {
    const StartFolder start = SettleStartFolder(line, SystemFileOps(), folders, choose);
    dlg.SelectOnOpening(start.career);
    return StartUp(dlg, random, ClockSeed(), SystemFileOps(), start.cfg);
}

}  // namespace kp
