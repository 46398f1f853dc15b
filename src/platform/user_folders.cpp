#include "platform/user_folders.h"

#include <system_error>

#ifdef _WIN32
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
namespace {

std::filesystem::path KnownFolder(REFKNOWNFOLDERID id) {
    std::filesystem::path folder;
    PWSTR path = nullptr;
    if (SUCCEEDED(SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path))) {
        folder = path;
    }
    CoTaskMemFree(path);
    return folder;
}

}  // namespace

UserFolders SystemUserFolders() {
    UserFolders folders;
    folders.documents = KnownFolder(FOLDERID_Documents);
    // The roaming application data, %APPDATA%: a program's settings follow the user there.
    if (const std::filesystem::path appData = KnownFolder(FOLDERID_RoamingAppData);
        !appData.empty()) {
        folders.settingsFile = appData / L"KelmarPatrol.ini";
    }
    return folders;
}

#else

namespace {

std::filesystem::path Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::filesystem::path(value) : std::filesystem::path();
}

// XDG's folders count only when absolute; a relative one is to be ignored.
std::filesystem::path XdgFolder(const char* name) {
    const std::filesystem::path folder = Environment(name);
    return folder.is_absolute() ? folder : std::filesystem::path();
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
    folders.dataHome = XdgFolder("XDG_DATA_HOME");
    std::filesystem::path config = XdgFolder("XDG_CONFIG_HOME");
    if (config.empty() && !folders.home.empty()) {
        config = folders.home / ".config";
    }
    if (!config.empty()) {
        folders.settingsFile = config / "kelmarpatrol.conf";
    }
    return folders;
}

#endif

std::filesystem::path WorkingDirectory() {
    std::error_code error;
    return std::filesystem::current_path(error);
}

}  // namespace kp
