// The folders the simulation's installations hang from, as this system
// reports them for the user running the program. Each is empty where the
// system has none.
#pragma once

#include <filesystem>

namespace kp {

struct UserFolders {
    std::filesystem::path documents;   // Windows: the Documents folder, wherever it was moved
    std::filesystem::path home;        // elsewhere: the home folder
    std::filesystem::path winePrefix;  // elsewhere: the Wine prefix WINEPREFIX names
};

UserFolders SystemUserFolders();

}  // namespace kp
