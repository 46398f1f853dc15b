// The configuration folder a run opens, and the one career to select there.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "app/command_line.h"
#include "platform/file_ops.h"
#include "platform/user_folders.h"

namespace kp {

struct StartFolder {
    std::filesystem::path cfg;
    std::string career;  // empty: none to select
};

// What the user meant by `given`: the configuration folder itself; or, for
// the `careers` folder or one career's folder, the configuration folder
// above it, with that career to select.
StartFolder ConfigFolderOf(FileOps& ops, const std::filesystem::path& given);

// Without asking: the folder named, as ConfigFolderOf takes it; else the
// working directory, taken so too, when that gives a folder that holds
// `careers`; else the folder remembered from
// an earlier choice, while it holds `careers`; else the place the search
// finds. Empty when none of them gives one.
std::optional<StartFolder> FindStartFolder(const CommandLine& line, FileOps& ops,
                                           const UserFolders& folders);

// Shows the platform's folder chooser; empty when the user cancels.
using FolderChooser = std::function<std::optional<std::filesystem::path>()>;

// FindStartFolder, else the folder the user chooses, which is remembered for
// the next start when it holds `careers`; on Cancel the working directory,
// where discovery finds no careers and the program ends with its message.
StartFolder SettleStartFolder(const CommandLine& line, FileOps& ops, const UserFolders& folders,
                              const FolderChooser& choose);

}  // namespace kp
