// The start-up both programs make before their window opens: their command
// line read in the working directory, the folder it settles on (asking the
// user when none is found), the clock's seed, career discovery.
#pragma once

#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/start_folder.h"
#include "grid/random_source.h"
#include "platform/user_folders.h"
#include "ui/patrol_dialog.h"

namespace kp {

// `args` without the program name, against the process's working directory.
CommandLine ParseProgramArguments(const std::vector<std::string>& args, const UserFolders& folders);

// False when the program is to end with kNoCareersMessage instead of opening
// its window. `choose` is asked only when no configuration folder is found.
bool StartProgram(CKelmarPatrol2Dlg& dlg, RandomSource& random, const CommandLine& line,
                  const UserFolders& folders, const FolderChooser& choose);

}  // namespace kp
