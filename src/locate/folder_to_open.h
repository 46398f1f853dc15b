// The configuration folder a run opens, and the one career to select there.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "platform/file_ops.h"
#include "platform/user_folders.h"

namespace kp {

// Where a run was started: the folder named on its command line, else
// (`named` false) the working directory.
struct GivenFolder {
    std::filesystem::path path;
    bool named = false;
};

struct FolderToOpen {
    std::filesystem::path cfg;
    std::string careerToSelect;  // empty: none
    // What the player is told before the window opens; empty: nothing.
    std::string notice;
};

// What the user meant by `given`: the configuration folder itself; or, for
// the `careers` folder or one career's folder, the configuration folder
// above it, with that career to select.
FolderToOpen ConfigFolderOf(FileOps& ops, const std::filesystem::path& given);

// Without asking: the folder named, as ConfigFolderOf takes it; else the
// working directory, taken so too, when that gives a folder that holds
// `careers`; else the folder remembered from
// an earlier choice, while it holds `careers`; else the place the search
// finds. Empty when none of them gives one.
std::optional<FolderToOpen> FindFolderToOpen(const GivenFolder& given, FileOps& ops,
                                             const UserFolders& folders);

// Shows the platform's folder chooser; empty when the user cancels.
using FolderChooser = std::function<std::optional<std::filesystem::path>()>;

// FindFolderToOpen, else the folder the user chooses, which is remembered for
// the next start when it holds `careers` (the notice tells when it cannot
// be); on Cancel none, and the program ends with its message.
std::optional<FolderToOpen> SettleFolderToOpen(const GivenFolder& given, FileOps& ops,
                                               const UserFolders& folders,
                                               const FolderChooser& choose);

}  // namespace kp
