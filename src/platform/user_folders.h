// The folders the simulation's installations hang from, as this system
// reports them for the user running the program, and the folder the program
// was started in. Each is empty where the system has none.
#pragma once

#include <filesystem>

namespace kp {

struct UserFolders {
    std::filesystem::path documents;   // Windows: the Documents folder, wherever it was moved
    std::filesystem::path home;        // elsewhere: the home folder
    std::filesystem::path winePrefix;  // elsewhere: the Wine prefix WINEPREFIX names
    std::filesystem::path dataHome;    // elsewhere: the folder XDG_DATA_HOME names
    // The one file the program keeps of its own, where this system keeps a
    // program's settings: the configuration folder the user last chose.
    std::filesystem::path settingsFile;
};

UserFolders SystemUserFolders();

// The folder the program was started in, its working directory; empty when
// the system cannot name it (a folder removed since).
std::filesystem::path WorkingDirectory();

}  // namespace kp
