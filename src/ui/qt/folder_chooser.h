// The platform's own folder chooser, for a start that finds no configuration folder.
#pragma once

#include <filesystem>
#include <optional>

namespace kp {

// Modal, before any window of the program; empty when the user cancels.
std::optional<std::filesystem::path> ChooseFolder();

}  // namespace kp
