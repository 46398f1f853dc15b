// The start-up both programs make before their window opens: the folder the
// command line settles on, the clock's seed, career discovery.
#pragma once

#include "app/command_line.h"
#include "grid/random_source.h"
#include "platform/user_folders.h"
#include "ui/patrol_dialog.h"

namespace kp {

// False when the program is to end with kNoCareersMessage instead of opening its window.
bool StartProgram(CKelmarPatrol2Dlg& dlg, RandomSource& random, const CommandLine& line,
                  const UserFolders& folders);

}  // namespace kp
