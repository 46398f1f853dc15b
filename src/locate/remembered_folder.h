// The configuration folder the user chose when none was found, kept for the
// next start in the one settings file the program has (UserFolders).
#pragma once

#include <filesystem>
#include <optional>

#include "platform/file_ops.h"

namespace kp {

// Empty when nothing was kept, or the file cannot be read.
std::optional<std::filesystem::path> RememberedFolder(FileOps& ops,
                                                      const std::filesystem::path& settingsFile);

// Keeping it is a convenience: when the file cannot be written, the next
// start asks again.
void RememberFolder(FileOps& ops, const std::filesystem::path& settingsFile,
                    const std::filesystem::path& folder);

}  // namespace kp
