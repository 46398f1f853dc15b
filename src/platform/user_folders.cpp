#include "platform/user_folders.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// After windows.h, which it needs; it brings the known-folder ids.
#include <shlobj.h>
#else
#include <pwd.h>
#include <unistd.h>
#include <cstdlib>
#endif

namespace kp {

#ifdef _WIN32

// The known-folder call follows a Documents folder the user moved to another
// drive, which a path built from the profile folder would miss. Wine answers
// it with the prefix's own Documents folder.
UserFolders SystemUserFolders() {
    UserFolders folders;
    PWSTR path = nullptr;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Documents, KF_FLAG_DEFAULT, nullptr, &path))) {
        folders.documents = path;
    }
    CoTaskMemFree(path);
    return folders;
}

#else

namespace {

std::filesystem::path Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::filesystem::path(value) : std::filesystem::path();
}

// HOME first, as the shell and Wine take it; the password database where it is unset.
std::filesystem::path HomeFolder() {
    std::filesystem::path home = Environment("HOME");
    if (home.empty()) {
        if (const passwd* user = ::getpwuid(::getuid());
            user != nullptr && user->pw_dir != nullptr) {
            home = user->pw_dir;
        }
    }
    return home;
}

}  // namespace

UserFolders SystemUserFolders() {
    UserFolders folders;
    folders.home = HomeFolder();
    folders.winePrefix = Environment("WINEPREFIX");
    return folders;
}

#endif

}  // namespace kp
