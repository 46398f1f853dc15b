#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/file_ops.h"
#include "ui/patrol_dialog.h"

namespace kp {

inline const std::string kNoCareersMessage =
    "Cannot find the Kelmar careers path.\nYou MUST place this program in your folder 'My "
    "Documents\\Kelmar\\Data\\cfg'.";

// Records the configuration folder and up to 50 career folders in the dialog
// state; 1 when at least one career folder was found, else 0.
int FindCareers(CKelmarPatrol2Dlg& dlg, FileOps& ops, const std::filesystem::path& cfgFolder);

// The start-up before the window opens: the one seeding of the random
// source, then career discovery. False when the program is to end with
// kNoCareersMessage instead of opening its window.
bool StartUp(CKelmarPatrol2Dlg& dlg, RandomSource& random, std::uint32_t seed, FileOps& ops,
             const std::filesystem::path& cfgFolder);

// The seed a start without a chosen one uses: the clock's seconds, low 32 bits.
std::uint32_t ClockSeed();

}  // namespace kp
