#include "app/program_start.h"

#include "app/find_careers.h"

namespace kp {

bool StartProgram(CKelmarPatrol2Dlg& dlg, RandomSource& random, const CommandLine& line,
                  const UserFolders& folders) {
    const std::filesystem::path cfgFolder = ChooseConfigFolder(line, SystemFileOps(), folders);
    return StartUp(dlg, random, ClockSeed(), SystemFileOps(), cfgFolder);
}

}  // namespace kp
