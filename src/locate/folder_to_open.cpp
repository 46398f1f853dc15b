#include "locate/folder_to_open.h"

#include <algorithm>

#include "career/file_names.h"
#include "locate/config_search.h"
#include "locate/remembered_folder.h"
#include "platform/path_text.h"

namespace kp {
namespace {

namespace fs = std::filesystem;

bool HoldsCareers(FileOps& ops, const fs::path& folder) {
    const auto entries = ops.List(folder);
    return entries && std::any_of(entries->begin(), entries->end(), [](const DirEntry& e) {
               return e.isDirectory && EqualsIgnoringCase(e.name, kCareersFolder);
           });
}

bool NamedCareers(const fs::path& folder) {
    return EqualsIgnoringCase(Utf8FromPath(folder.filename()), kCareersFolder);
}

}  // namespace

FolderToOpen ConfigFolderOf(FileOps& ops, const fs::path& given) {
    fs::path folder = given.lexically_normal();
    // "cfg/careers/" names the folder "careers" too.
    if (!folder.has_filename() && folder.has_parent_path()) {
        folder = folder.parent_path();
    }
    if (HoldsCareers(ops, folder) || !folder.has_parent_path()) {
        return {folder, {}, {}};
    }
    if (NamedCareers(folder)) {
        return {folder.parent_path(), {}, {}};
    }
    if (NamedCareers(folder.parent_path())) {
        return {folder.parent_path().parent_path(), Utf8FromPath(folder.filename()), {}};
    }
    return {folder, {}, {}};
}

std::optional<FolderToOpen> FindFolderToOpen(const GivenFolder& given, FileOps& ops,
                                             const UserFolders& folders) {
    if (given.named) {
        return ConfigFolderOf(ops, given.path);
    }
    // Started inside `careers` or one career's folder, as from a terminal
    // after `cd careers`: the folder above, as when it is named.
    if (FolderToOpen here = ConfigFolderOf(ops, given.path); HoldsCareers(ops, here.cfg)) {
        return here;
    }
    if (const auto remembered = RememberedFolder(ops, folders.settingsFile);
        remembered && HoldsCareers(ops, *remembered)) {
        return FolderToOpen{*remembered, {}, {}};
    }
    if (const auto found = FindConfigFolder(ops, folders)) {
        return FolderToOpen{*found, {}, {}};
    }
    return std::nullopt;
}

std::optional<FolderToOpen> SettleFolderToOpen(const GivenFolder& given, FileOps& ops,
                                               const UserFolders& folders,
                                               const FolderChooser& choose) {
    if (auto found = FindFolderToOpen(given, ops, folders)) {
        return found;
    }
    const std::optional<fs::path> chosen = choose();
    if (!chosen) {
        return std::nullopt;
    }
    FolderToOpen start = ConfigFolderOf(ops, *chosen);
    if (HoldsCareers(ops, start.cfg)) {
        start.notice = RememberFolder(ops, folders.settingsFile, start.cfg);
    }
    return start;
}

}  // namespace kp
