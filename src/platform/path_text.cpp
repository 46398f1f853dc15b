#include "platform/path_text.h"

#include <algorithm>

namespace kp {

std::filesystem::path PathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && UpperAscii(a) == UpperAscii(b);
}

bool EndsWithIgnoringCase(std::string_view name, std::string_view end) {
    return name.size() >= end.size() &&
           EqualsIgnoringCase(name.substr(name.size() - end.size()), end);
}

void SortInEnumerationOrder(std::vector<DirEntry>& entries) {
    std::stable_sort(entries.begin(), entries.end(), [](const DirEntry& a, const DirEntry& b) {
        const std::string ua = UpperAscii(a.name);
        const std::string ub = UpperAscii(b.name);
        if (ua != ub) {
            return ua < ub;  // char_traits<char> compares bytes as unsigned
        }
        // Names equal but for case can only meet on a case-sensitive file system.
        return a.name < b.name;
    });
}

std::filesystem::path FindEntry(FileOps& ops, const std::filesystem::path& dir,
                                std::string_view name) {
    auto entries = ops.List(dir);
    if (entries) {
        SortInEnumerationOrder(*entries);
        const auto exact = std::find_if(entries->begin(), entries->end(),
                                        [&](const DirEntry& e) { return e.name == name; });
        if (exact == entries->end()) {
            const auto folded =
                std::find_if(entries->begin(), entries->end(),
                             [&](const DirEntry& e) { return EqualsIgnoringCase(e.name, name); });
            if (folded != entries->end()) {
                return dir / PathFromUtf8(folded->name);
            }
        }
    }
    return dir / PathFromUtf8(name);
}

}  // namespace kp
