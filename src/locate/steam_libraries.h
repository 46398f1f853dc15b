// Steam's libraries: the folders on other drives or an SD card that Steam
// installs games into, as its libraryfolders.vdf lists them.
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "platform/file_ops.h"

namespace kp {

struct LibraryList {
    std::vector<std::filesystem::path> paths;
    // The newer form names Steam's own folder too, as library "0"; the older
    // form names only the others.
    bool namesSteamFolder = false;
};

// The library paths a libraryfolders.vdf text names, in its order: the
// "path" of each library, or, in the older form, the value of each numbered
// key. Nothing when the text is not well-formed.
LibraryList LibraryPathsInVdf(std::string_view text);

// The libraries of the Steam installation at `steamRoot`, each once: those
// its steamapps/ and config/ lists name, and the root itself unless a list
// names Steam's own folder, which the root may be a link to.
std::vector<std::filesystem::path> SteamLibraries(FileOps& ops,
                                                  const std::filesystem::path& steamRoot);

}  // namespace kp
