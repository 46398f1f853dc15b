// The Windows common item dialog, picking a folder, for a start that finds no
// configuration folder.
#pragma once

#include <filesystem>
#include <optional>

namespace kp {

// Modal, before any window of the program; empty when the user cancels or
// the dialog cannot be made.
std::optional<std::filesystem::path> ChooseFolder();

}  // namespace kp
