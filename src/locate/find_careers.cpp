#include "locate/find_careers.h"

#include "career/file_names.h"
#include "platform/path_text.h"

namespace kp {

std::vector<std::string> FindCareers(FileOps& ops, const std::filesystem::path& cfgFolder) {
    auto entries = ops.List(FindEntry(ops, cfgFolder, kCareersFolder));
    std::vector<std::string> careers;
    if (!entries) {
        return careers;
    }
    SortInEnumerationOrder(*entries);
    for (const DirEntry& entry : *entries) {
        if (entry.isDirectory) {
            careers.push_back(entry.name);
        }
    }
    return careers;
}

}  // namespace kp
