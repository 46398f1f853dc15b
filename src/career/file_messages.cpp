#include "career/file_messages.h"

#include <array>
#include <cstddef>

namespace kp {
namespace {

// By CareerFileKind, then by FileTask.
constexpr std::array<std::array<std::string_view, 2>, 3> kMissingFileMessages = {{
    {"Cannot find your 'patrols_0.cfg' file.\nYou MUST place this program in your folder 'My "
     "Documents\\Kelmar\\Data\\cfg'.",
     "Cannot find your 'patrols_0.cfg' file.\nYou MUST place this program in your folder 'My "
     "Documents\\Kelmar'."},
    {"Cannot find your 'patrols.cfg' file.\nYou MUST place this program in your folder 'My "
     "Documents\\Kelmar\\Data\\cfg'.",
     "Cannot find your 'patrols.cfg' file.\nYou MUST place this program in your folder 'My "
     "Documents\\Kelmar'."},
    // The career read does not open this one.
    {"",
     "Cannot find your 'careers_0.cfg' file.\nYou MUST place this program in your folder 'My "
     "Documents\\Kelmar'."},
}};

}  // namespace

std::string_view MissingFileMessage(CareerFileKind file, FileTask task) {
    return kMissingFileMessages[static_cast<std::size_t>(file)][static_cast<std::size_t>(task)];
}

}  // namespace kp
