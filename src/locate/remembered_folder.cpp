#include "locate/remembered_folder.h"

#include <string>
#include <string_view>

#include "locate/settings_text.h"
#include "platform/path_text.h"

namespace kp {
namespace {

// One key=value line, as the simulation's own files are written.
constexpr std::string_view kFolderKey = "ConfigFolder=";

}  // namespace

std::optional<std::filesystem::path> RememberedFolder(FileOps& ops,
                                                      const std::filesystem::path& settingsFile) {
    if (settingsFile.empty()) {
        return std::nullopt;
    }
    const std::optional<std::string> text = ReadSettingsText(ops, settingsFile);
    if (!text || !text->starts_with(kFolderKey)) {
        return std::nullopt;
    }
    std::string_view folder = std::string_view(*text).substr(kFolderKey.size());
    folder = folder.substr(0, folder.find_first_of("\r\n"));
    if (folder.empty()) {
        return std::nullopt;
    }
    return PathFromUtf8(folder);
}

std::string RememberFolder(FileOps& ops, const std::filesystem::path& settingsFile,
                           const std::filesystem::path& folder) {
    if (settingsFile.empty()) {
        return {};
    }
    const auto notKept = [&](const std::string& reason) {
        return "The folder you chose cannot be kept for the next start: the settings file '" +
               Utf8FromPath(settingsFile) + "' cannot be written (" + reason +
               ").\nThe next start asks for the folder again.";
    };
    if (const std::string reason = ops.MakeFolders(settingsFile.parent_path()); !reason.empty()) {
        return notKept(reason);
    }
    const auto file = ops.Create(settingsFile);
    if (!file) {
        return notKept(ops.LastOpenFailure().detail);
    }
    // A file cut short names a folder without careers, which the next start passes over.
    const std::string line = std::string(kFolderKey) + Utf8FromPath(folder) + "\n";
    if (!file->Write(line.data(), line.size()) || !file->Close()) {
        return notKept("the disk did not take it whole");
    }
    return {};
}

}  // namespace kp
