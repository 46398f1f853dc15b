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

// How a read-only file is named in a message, and the folder it lies in.
struct ReadOnlyNames {
    std::string file;         // after "your"
    std::string_view folder;  // after "The"
};

std::string ReadOnlyWords(const ReadOnlyNames& names, ReadOnlyPart part,
                          const std::filesystem::path& folder, std::string_view windows) {
    if (messagesInUse == MessagePlatform::Windows || part == ReadOnlyPart::None) {
        return std::string(windows);
    }
    if (part == ReadOnlyPart::File) {
        return "Your " + names.file +
               " is read-only, so nothing was written.\nMake it writable (in its properties in "
               "the file manager, or with chmod u+w) and press Make Changes again.";
    }
    return "The " + std::string(names.folder) + " '" + Utf8FromPath(folder) +
           "' is read-only, so your " + names.file +
           " cannot be replaced and nothing was written.\nMake the folder writable and press "
           "Make Changes again.";
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

std::string ReadOnlyMessage(CareerFileKind file, ReadOnlyPart part,
                            const std::filesystem::path& careerFolder, std::string_view windows) {
    const std::string name(kFileTexts[static_cast<std::size_t>(file)].name);
    return ReadOnlyWords({"'" + name + "' file", "career's folder"}, part, careerFolder, windows);
}

std::string SaveReadOnlyMessage(const std::filesystem::path& save, ReadOnlyPart part,
                                std::string_view windows) {
    return ReadOnlyWords({"save file '" + Utf8FromPath(save.filename()) + "'", "patrol's folder"},
                         part, save.parent_path(), windows);
}

}  // namespace kp
