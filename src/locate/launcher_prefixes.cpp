#include "locate/launcher_prefixes.h"

#include <yaml-cpp/yaml.h>

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "locate/settings_text.h"
#include "platform/path_text.h"

namespace kp {
namespace {

namespace fs = std::filesystem;

// The texts of the launcher's settings files in `folder`, by extension, in a fixed order.
std::vector<std::string> SettingsTexts(FileOps& ops, const fs::path& folder,
                                       std::string_view extension) {
    auto entries = ops.List(folder);
    std::vector<std::string> texts;
    if (!entries) {
        return texts;
    }
    SortInEnumerationOrder(*entries);
    for (const DirEntry& entry : *entries) {
        if (entry.isDirectory || entry.name.size() <= extension.size() ||
            !entry.name.ends_with(extension)) {
            continue;
        }
        if (std::optional<std::string> text =
                ReadSettingsText(ops, folder / PathFromUtf8(entry.name))) {
            texts.push_back(std::move(*text));
        }
    }
    return texts;
}

// A prefix the launcher wrote as "~/..." lies in the home folder.
fs::path Absolute(const std::string& written, const fs::path& home) {
    if (written.starts_with("~/") && !home.empty()) {
        return home / PathFromUtf8(written.substr(2));
    }
    return PathFromUtf8(written);
}

}  // namespace

std::vector<fs::path> LutrisPrefixes(FileOps& ops, const fs::path& gamesFolder,
                                     const fs::path& home) {
    std::vector<fs::path> prefixes;
    for (const std::string& text : SettingsTexts(ops, gamesFolder, ".yml")) {
        // A file that is no YAML, or no game's, names no prefix.
        try {
            const YAML::Node prefix = YAML::Load(text)["game"]["prefix"];
            if (prefix.IsScalar() && !prefix.Scalar().empty()) {
                prefixes.push_back(Absolute(prefix.Scalar(), home));
            }
        } catch (const YAML::Exception&) {
        }
    }
    return prefixes;
}

std::vector<fs::path> HeroicPrefixes(FileOps& ops, const fs::path& gamesConfigFolder,
                                     const fs::path& home) {
    std::vector<fs::path> prefixes;
    for (const std::string& text : SettingsTexts(ops, gamesConfigFolder, ".json")) {
        const nlohmann::json settings = nlohmann::json::parse(text, nullptr, false);
        if (!settings.is_object()) {
            continue;
        }
        for (const auto& [game, value] : settings.items()) {
            if (value.is_object()) {
                const auto prefix = value.find("winePrefix");
                if (prefix != value.end() && prefix->is_string() &&
                    !prefix->get_ref<const std::string&>().empty()) {
                    prefixes.push_back(Absolute(prefix->get<std::string>(), home));
                }
            }
        }
    }
    return prefixes;
}

}  // namespace kp
