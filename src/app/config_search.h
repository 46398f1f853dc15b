// Where the simulation keeps its configuration folder: the player's Windows
// Documents folder, or the Documents folders of the Wine and Proton prefixes
// of a Linux user. Only read, never written.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "platform/file_ops.h"
#include "platform/user_folders.h"

namespace kp {

// The places searched, in order, as paths in which "*" stands for any folder.
std::vector<std::filesystem::path> ConfigSearchPlaces(const UserFolders& folders);

// The place whose `careers` folder holds at least one career folder; where
// several do, the one whose `careers` folder was changed last, and of those
// the first searched. Folder names match whatever their letter case, as on
// Windows; a folder that cannot be read is passed over.
std::optional<std::filesystem::path> FindConfigFolder(FileOps& ops, const UserFolders& folders);

}  // namespace kp
