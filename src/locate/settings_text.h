// The whole text of a small settings file (Steam's library list, a
// launcher's game file, the program's own), read through FileOps.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/file_ops.h"

namespace kp {

// Empty when the file cannot be read or is larger than a settings file ever
// is; such a file is passed over, not read in part.
std::optional<std::string> ReadSettingsText(FileOps& ops, const std::filesystem::path& path);

}  // namespace kp
