// Where the simulation keeps its configuration folder: the player's Windows
// Documents folder, or the Documents folders of the Wine prefixes of a Linux
// user: Wine's, Proton's in every Steam library, and those of the Lutris,
// Bottles, Heroic and PlayOnLinux launchers. Only read, never written.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "platform/file_ops.h"
#include "platform/user_folders.h"

namespace kp {

// The places searched, in order, as paths in which "*" stands for any folder;
// Steam's library lists and the launchers' settings files are read for them,
// and one that cannot be read or parsed is passed over.
std::vector<std::filesystem::path> ConfigSearchPlaces(FileOps& ops, const UserFolders& folders);

// The place whose `careers` folder holds at least one career folder; where
// several do, the one where a career was played last (its newest .cfg file
// or save), and of those the first searched. Folder names match whatever
// their letter case, as on Windows; a folder that cannot be read is passed over.
std::optional<std::filesystem::path> FindConfigFolder(FileOps& ops, const UserFolders& folders);

}  // namespace kp
