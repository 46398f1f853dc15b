// Career discovery: the career folders of a configuration folder, as the
// dialog lists them.
#pragma once

#include <filesystem>

#include "platform/file_ops.h"
#include "ui/patrol_dialog.h"

namespace kp {

// Records the configuration folder and up to 50 career folders in the dialog
// state; 1 when at least one career folder was found, else 0.
int FindCareers(CKelmarPatrol2Dlg& dlg, FileOps& ops, const std::filesystem::path& cfgFolder);

}  // namespace kp
