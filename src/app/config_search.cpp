#include "app/config_search.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <span>
#include <string_view>

#include "career/file_names.h"

namespace kp {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kAnyFolder = "*";

// A place: the root it hangs from and the folders below it.
struct Place {
    fs::path root;
    std::vector<std::string_view> steps;
};

constexpr std::array<std::string_view, 3> kCfgSteps = {"Kelmar", "Data", "cfg"};
// Older Windows versions named the folder "My Documents"; a prefix keeps the
// name of the Windows version it was made for.
constexpr std::array<std::string_view, 2> kDocumentsNames = {"Documents", "My Documents"};
constexpr std::array<std::string_view, 3> kPrefixUsersSteps = {"drive_c", "users", kAnyFolder};
constexpr std::array<std::string_view, 4> kProtonPrefixSteps = {"steamapps", "compatdata",
                                                                kAnyFolder, "pfx"};
// Steam's folders below the home folder: the link Steam keeps, its own data
// folder, and the two the Flatpak Steam keeps its data in, by version.
constexpr std::array<std::string_view, 4> kSteamFolders = {
    ".steam/steam", ".local/share/Steam", ".var/app/com.valvesoftware.Steam/.local/share/Steam",
    ".var/app/com.valvesoftware.Steam/data/Steam"};
constexpr std::string_view kWineDefaultPrefix = ".wine";

void Append(std::vector<std::string_view>& steps, std::span<const std::string_view> more) {
    steps.insert(steps.end(), more.begin(), more.end());
}

// The configuration folders of the Windows users of a Wine prefix, reached
// from `root` through `toPrefix`.
void AddPrefixPlaces(std::vector<Place>& places, const fs::path& root,
                     std::span<const std::string_view> toPrefix) {
    if (root.empty()) {
        return;
    }
    for (const std::string_view documents : kDocumentsNames) {
        Place place{root, {}};
        Append(place.steps, toPrefix);
        Append(place.steps, kPrefixUsersSteps);
        place.steps.push_back(documents);
        Append(place.steps, kCfgSteps);
        places.push_back(std::move(place));
    }
}

std::vector<Place> Places(const UserFolders& folders) {
    std::vector<Place> places;
    if (!folders.documents.empty()) {
        places.push_back({folders.documents, {kCfgSteps.begin(), kCfgSteps.end()}});
    }
    AddPrefixPlaces(places, folders.winePrefix, {});
    if (!folders.home.empty()) {
        AddPrefixPlaces(places, folders.home / kWineDefaultPrefix, {});
        for (const std::string_view steam : kSteamFolders) {
            AddPrefixPlaces(places, folders.home / PathFromUtf8(steam), kProtonPrefixSteps);
        }
    }
    return places;
}

// The folders below `dirs` that `step` names, in the order a Windows file
// system lists them, every letter-case spelling of the name included.
std::vector<fs::path> Below(FileOps& ops, const std::vector<fs::path>& dirs,
                            std::string_view step) {
    std::vector<fs::path> found;
    for (const fs::path& dir : dirs) {
        auto entries = ops.List(dir);
        if (!entries) {
            continue;
        }
        SortInEnumerationOrder(*entries);
        for (const DirEntry& entry : *entries) {
            if (entry.isDirectory && (step == kAnyFolder || EqualsIgnoringCase(entry.name, step))) {
                found.push_back(dir / PathFromUtf8(entry.name));
            }
        }
    }
    return found;
}

// When `cfg` holds a `careers` folder with a career folder in it: that
// folder's last change, the earliest possible where the system does not say.
std::optional<std::int64_t> CareersChanged(FileOps& ops, const fs::path& cfg) {
    const fs::path careers = FindEntry(ops, cfg, kCareersFolder);
    const auto careerFolders = ops.List(careers);
    if (!careerFolders || std::none_of(careerFolders->begin(), careerFolders->end(),
                                       [](const DirEntry& e) { return e.isDirectory; })) {
        return std::nullopt;
    }
    const auto cfgEntries = ops.List(cfg);
    if (cfgEntries) {
        const std::string name = Utf8FromPath(careers.filename());
        for (const DirEntry& entry : *cfgEntries) {
            if (entry.name == name && entry.lastWriteSeconds) {
                return *entry.lastWriteSeconds;
            }
        }
    }
    return std::numeric_limits<std::int64_t>::min();
}

fs::path Pattern(const Place& place) {
    fs::path pattern = place.root;
    for (const std::string_view step : place.steps) {
        pattern /= PathFromUtf8(step);
    }
    return pattern;
}

}  // namespace

std::vector<fs::path> ConfigSearchPlaces(const UserFolders& folders) {
    std::vector<fs::path> patterns;
    for (const Place& place : Places(folders)) {
        patterns.push_back(Pattern(place));
    }
    return patterns;
}

std::optional<fs::path> FindConfigFolder(FileOps& ops, const UserFolders& folders) {
    std::optional<fs::path> best;
    std::int64_t bestChanged = 0;
    for (const Place& place : Places(folders)) {
        std::vector<fs::path> reached = {place.root};
        for (const std::string_view step : place.steps) {
            reached = Below(ops, reached, step);
        }
        for (const fs::path& cfg : reached) {
            const auto changed = CareersChanged(ops, cfg);
            if (changed && (!best || *changed > bestChanged)) {
                best = cfg;
                bestChanged = *changed;
            }
        }
    }
    return best;
}

}  // namespace kp
