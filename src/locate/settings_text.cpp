#include "locate/settings_text.h"

#include <array>
#include <cstddef>

namespace kp {
namespace {

// Steam's library list and a launcher's game file stay far below this.
constexpr std::size_t kLargestSettingsFile = 1 << 20;

}  // namespace

std::optional<std::string> ReadSettingsText(FileOps& ops, const std::filesystem::path& path) {
    const auto file = ops.OpenRead(path);
    if (!file) {
        return std::nullopt;
    }
    std::string text;
    std::array<char, 16384> buffer{};
    for (;;) {
        const std::ptrdiff_t got = file->Read(buffer.data(), buffer.size());
        if (got < 0 || text.size() + static_cast<std::size_t>(got) > kLargestSettingsFile) {
            return std::nullopt;
        }
        if (got == 0) {
            return text;
        }
        text.append(buffer.data(), static_cast<std::size_t>(got));
    }
}

}  // namespace kp
