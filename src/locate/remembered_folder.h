// The configuration folder the user chose when none was found, kept for the
// next start in the one settings file the program has (UserFolders).
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/file_ops.h"

namespace kp {

// Empty when nothing was kept, or the file cannot be read.
std::optional<std::filesystem::path> RememberedFolder(FileOps& ops,
                                                      const std::filesystem::path& settingsFile);

// Keeps `folder` in `settingsFile`, making the folders above it that are
// missing (a new account has no ~/.config). Empty when it was kept; else what
// the player is told: the file, why it cannot be written, and that the next
// start asks again.
std::string RememberFolder(FileOps& ops, const std::filesystem::path& settingsFile,
                           const std::filesystem::path& folder);

}  // namespace kp
