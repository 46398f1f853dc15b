#include "career/file_messages.h"

#include <cstddef>
#include <string_view>

#include "career/file_names.h"
#include "platform/path_text.h"

namespace kp {
namespace {

#ifdef _WIN32
constexpr MessagePlatform kThisPlatform = MessagePlatform::Windows;
#else
constexpr MessagePlatform kThisPlatform = MessagePlatform::Linux;
#endif

MessagePlatform messagesInUse = kThisPlatform;

struct FileTexts {
    std::string_view name;  // as the messages write it
    // By FileTask: the Windows message for a missing file.
    std::string_view windowsMissing[2];
};

// By CareerFileKind.
constexpr FileTexts kFileTexts[] = {
    {kNextPatrolFile,
     {"Cannot find your 'patrols_0.cfg' file.\nYou MUST place this program in your folder 'My "
      "Documents\\Kelmar\\Data\\cfg'.",
      "Cannot find your 'patrols_0.cfg' file.\nYou MUST place this program in your folder 'My "
      "Documents\\Kelmar'."}},
    {kHistoryFile,
     {"Cannot find your 'patrols.cfg' file.\nYou MUST place this program in your folder 'My "
      "Documents\\Kelmar\\Data\\cfg'.",
      "Cannot find your 'patrols.cfg' file.\nYou MUST place this program in your folder 'My "
      "Documents\\Kelmar'."}},
    // The career read does not open this one.
    {kCareerSettingsFile,
     {"",
      "Cannot find your 'careers_0.cfg' file.\nYou MUST place this program in your folder 'My "
      "Documents\\Kelmar'."}},
};

// How a file that may not be replaced is named in a message, and the
// folder it lies in.
struct FileNames {
    std::string file;         // after "your"
    std::string_view folder;  // after "The"
};

std::string NotReplaceableWords(const FileNames& names, Replaceable why,
                                const std::filesystem::path& folder, std::string_view windows) {
    if (messagesInUse == MessagePlatform::Windows) {
        return std::string(windows);
    }
    switch (why) {
        case Replaceable::ReadOnlyFile:
            return "Your " + names.file +
                   " is read-only, so nothing was written.\nMake it writable (in its properties "
                   "in the file manager, or with chmod u+w) and press Make Changes again.";
        case Replaceable::ReadOnlyFolder:
            return "The " + std::string(names.folder) + " '" + Utf8FromPath(folder) +
                   "', or the disk it lies on, takes no changes, so your " + names.file +
                   " cannot be replaced and nothing was written.\nMake the folder writable (or "
                   "the disk, where it is mounted read-only) and press Make Changes again.";
        case Replaceable::Held:
            return "Another program is holding your " + names.file +
                   ", so it cannot be replaced and nothing was written.\nClose the simulation "
                   "and press Make Changes again.";
        case Replaceable::Yes:
            break;
    }
    return std::string(windows);
}

}  // namespace

MessagePlatform MessagesInUse() {
    return messagesInUse;
}

void UseMessagesOf(MessagePlatform platform) {
    messagesInUse = platform;
}

std::string CannotOpenMessage(CareerFileKind file, FileTask task,
                              const std::filesystem::path& careerFolder,
                              const OpenFailure& failure) {
    const FileTexts& texts = kFileTexts[static_cast<std::size_t>(file)];
    const std::string name(texts.name);
    switch (failure.cause) {
        case OpenFailureCause::Missing:
            if (messagesInUse == MessagePlatform::Windows) {
                return std::string(texts.windowsMissing[static_cast<std::size_t>(task)]);
            }
            return "Cannot find your '" + name + "' file.\nIt is not in the career's folder '" +
                   Utf8FromPath(careerFolder) + "'.";
        case OpenFailureCause::Held:
            return "Another program is using your '" + name +
                   "' file, so it cannot be opened.\nClose the simulation and try again.";
        case OpenFailureCause::Denied:
            return "Access to your '" + name +
                   "' file is denied, so it cannot be opened.\nCheck that your user account may "
                   "read and change it, and try again.";
        case OpenFailureCause::Other:
            break;
    }
    return "Your '" + name + "' file cannot be read: " + failure.detail + ".";
}

std::string NotReplaceableMessage(CareerFileKind file, Replaceable why,
                                  const std::filesystem::path& careerFolder,
                                  std::string_view windows) {
    const std::string name(kFileTexts[static_cast<std::size_t>(file)].name);
    return NotReplaceableWords({"'" + name + "' file", "career's folder"}, why, careerFolder,
                               windows);
}

std::string CannotMakeTempMessage(std::string_view windows, const std::filesystem::path& temp,
                                  std::string_view reason) {
    if (messagesInUse == MessagePlatform::Windows || !windows.ends_with('.')) {
        return std::string(windows);
    }
    std::string text(windows.substr(0, windows.size() - 1));
    text += ": its temporary file '" + Utf8FromPath(temp.filename()) + "' could not be made";
    if (!reason.empty()) {
        text += " (" + std::string(reason) + ")";
    }
    return text +
           ".\nCheck that the disk has room and that the folder may be written to, and press "
           "Make Changes again.";
}

std::string SaveNotReplaceableMessage(const std::filesystem::path& save, Replaceable why,
                                      std::string_view windows) {
    return NotReplaceableWords(
        {"save file '" + Utf8FromPath(save.filename()) + "'", "patrol's folder"}, why,
        save.parent_path(), windows);
}

}  // namespace kp
