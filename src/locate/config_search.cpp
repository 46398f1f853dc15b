#include "locate/config_search.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <set>
#include <span>
#include <string_view>
#include <unordered_map>

#include "career/file_names.h"
#include "locate/steam_libraries.h"
#include "platform/path_text.h"
#ifdef KP_READS_LAUNCHER_FILES
#include "locate/launcher_prefixes.h"
#endif

namespace kp {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kAnyFolder = "*";
constexpr std::string_view kCareerFileExtension = ".cfg";

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
constexpr std::array<std::string_view, 1> kEachFolder = {kAnyFolder};
// Steam's folders below the home folder: the link Steam keeps, its own data
// folder, and the two the Flatpak Steam keeps its data in, by version.
constexpr std::array<std::string_view, 4> kSteamFolders = {
    ".steam/steam", ".local/share/Steam", ".var/app/com.valvesoftware.Steam/.local/share/Steam",
    ".var/app/com.valvesoftware.Steam/data/Steam"};
constexpr std::string_view kWineDefaultPrefix = ".wine";
// Folders below the home folder whose every folder is one Wine prefix: Lutris
// games, Bottles (native and Flatpak), Heroic's default prefixes, PlayOnLinux.
constexpr std::array<std::string_view, 5> kPrefixFolders = {
    "Games", ".local/share/bottles/bottles", ".var/app/com.usebottles.bottles/data/bottles/bottles",
    "Games/Heroic/Prefixes/default", ".PlayOnLinux/wineprefix"};
// The same below XDG_DATA_HOME, where a player moved it away from ~/.local/share.
constexpr std::string_view kDataSteamFolder = "Steam";
constexpr std::string_view kDataBottlesFolder = "bottles/bottles";

void Append(std::vector<std::string_view>& steps, std::span<const std::string_view> more) {
    steps.insert(steps.end(), more.begin(), more.end());
}

// The configuration folders of the Windows users of a Wine prefix, reached
// from `root` through `toPrefix`.
void AddPrefixPlaces(std::vector<Place>& places, const fs::path& root,
                     std::span<const std::string_view> toPrefix) {
    // A relative path would be searched in whatever folder the program started in.
    if (!root.has_root_directory()) {
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

// Each library once, although several Steam folders (a link, the Flatpak's)
// list the same ones.
void AddSteamPlaces(std::vector<Place>& places, std::set<fs::path>& librariesSeen, FileOps& ops,
                    const fs::path& steamRoot) {
    for (const fs::path& library : SteamLibraries(ops, steamRoot)) {
        if (librariesSeen.insert(library).second) {
            AddPrefixPlaces(places, library, kProtonPrefixSteps);
        }
    }
}

#ifdef KP_READS_LAUNCHER_FILES
// Where Lutris keeps its game files, and Heroic (native and Flatpak) its game settings.
constexpr std::string_view kLutrisGames = ".config/lutris/games";
constexpr std::array<std::string_view, 2> kHeroicGamesConfigs = {
    ".config/heroic/GamesConfig", ".var/app/com.heroicgameslauncher.hgl/config/heroic/GamesConfig"};

// The prefixes the launchers' own settings name; their default folders are
// searched with the other prefix folders.
void AddLauncherPlaces(std::vector<Place>& places, FileOps& ops, const fs::path& home) {
    for (const fs::path& prefix : LutrisPrefixes(ops, home / PathFromUtf8(kLutrisGames), home)) {
        AddPrefixPlaces(places, prefix, {});
    }
    for (const std::string_view configs : kHeroicGamesConfigs) {
        for (const fs::path& prefix : HeroicPrefixes(ops, home / PathFromUtf8(configs), home)) {
            AddPrefixPlaces(places, prefix, {});
        }
    }
}
#endif

std::vector<Place> Places(FileOps& ops, const UserFolders& folders) {
    std::vector<Place> places;
    if (!folders.documents.empty()) {
        places.push_back({folders.documents, {kCfgSteps.begin(), kCfgSteps.end()}});
    }
    AddPrefixPlaces(places, folders.winePrefix, {});
    std::set<fs::path> librariesSeen;
    if (!folders.home.empty()) {
        AddPrefixPlaces(places, folders.home / kWineDefaultPrefix, {});
        for (const std::string_view steam : kSteamFolders) {
            AddSteamPlaces(places, librariesSeen, ops, folders.home / PathFromUtf8(steam));
        }
    }
    if (!folders.dataHome.empty()) {
        AddSteamPlaces(places, librariesSeen, ops,
                       folders.dataHome / PathFromUtf8(kDataSteamFolder));
    }
    if (!folders.home.empty()) {
        for (const std::string_view folder : kPrefixFolders) {
            AddPrefixPlaces(places, folders.home / PathFromUtf8(folder), kEachFolder);
        }
#ifdef KP_READS_LAUNCHER_FILES
        AddLauncherPlaces(places, ops, folders.home);
#endif
    }
    if (!folders.dataHome.empty()) {
        AddPrefixPlaces(places, folders.dataHome / PathFromUtf8(kDataBottlesFolder), kEachFolder);
    }
    return places;
}

// The listings of one search, each folder listed once and sorted as a
// Windows file system lists it: a prefix's folders serve both spellings of
// Documents, and its users' folders every place below them.
class Listings {
  public:
    explicit Listings(FileOps& ops) : ops_(ops) {}

    const std::optional<std::vector<DirEntry>>& Of(const fs::path& dir) {
        auto it = listed_.find(dir.native());
        if (it == listed_.end()) {
            auto entries = ops_.List(dir);
            if (entries) {
                SortInEnumerationOrder(*entries);
            }
            it = listed_.emplace(dir.native(), std::move(entries)).first;
        }
        return it->second;
    }

  private:
    FileOps& ops_;
    std::unordered_map<fs::path::string_type, std::optional<std::vector<DirEntry>>> listed_;
};

// The folders below `dirs` that `step` names, in the order a Windows file
// system lists them, every letter-case spelling of the name included.
std::vector<fs::path> Below(Listings& listings, const std::vector<fs::path>& dirs,
                            std::string_view step) {
    std::vector<fs::path> found;
    for (const fs::path& dir : dirs) {
        const auto& entries = listings.Of(dir);
        if (!entries) {
            continue;
        }
        for (const DirEntry& entry : *entries) {
            if (entry.isDirectory && (step == kAnyFolder || EqualsIgnoringCase(entry.name, step))) {
                found.push_back(dir / PathFromUtf8(entry.name));
            }
        }
    }
    return found;
}

bool EndsWithIgnoringCase(std::string_view name, std::string_view ending) {
    return name.size() > ending.size() &&
           EqualsIgnoringCase(name.substr(name.size() - ending.size()), ending);
}

void KeepNewest(std::int64_t& newest, const DirEntry& entry) {
    if (entry.lastWriteSeconds && *entry.lastWriteSeconds > newest) {
        newest = *entry.lastWriteSeconds;
    }
}

// When `cfg` holds a `careers` folder with a career folder in it: when a
// career was last played, the newest write of a career's .cfg files and of
// the saves in its patrol folders; the earliest possible where the system
// gives no time. A folder's own time changes only when an entry is added.
std::optional<std::int64_t> LastPlayed(FileOps& ops, const fs::path& cfg) {
    const fs::path careers = FindEntry(ops, cfg, kCareersFolder);
    const auto careerFolders = ops.List(careers);
    if (!careerFolders) {
        return std::nullopt;
    }
    bool anyCareer = false;
    std::int64_t newest = std::numeric_limits<std::int64_t>::min();
    for (const DirEntry& career : *careerFolders) {
        if (!career.isDirectory) {
            continue;
        }
        anyCareer = true;
        const fs::path careerFolder = careers / PathFromUtf8(career.name);
        for (const DirEntry& entry : ops.List(careerFolder).value_or(std::vector<DirEntry>())) {
            if (!entry.isDirectory) {
                if (EndsWithIgnoringCase(entry.name, kCareerFileExtension)) {
                    KeepNewest(newest, entry);
                }
                continue;
            }
            for (const DirEntry& save : ops.List(careerFolder / PathFromUtf8(entry.name))
                                            .value_or(std::vector<DirEntry>())) {
                if (!save.isDirectory && EndsWithIgnoringCase(save.name, kSaveExtension)) {
                    KeepNewest(newest, save);
                }
            }
        }
    }
    return anyCareer ? std::optional<std::int64_t>(newest) : std::nullopt;
}

fs::path Pattern(const Place& place) {
    fs::path pattern = place.root;
    for (const std::string_view step : place.steps) {
        pattern /= PathFromUtf8(step);
    }
    return pattern;
}

}  // namespace

std::vector<fs::path> ConfigSearchPlaces(FileOps& ops, const UserFolders& folders) {
    std::vector<fs::path> patterns;
    for (const Place& place : Places(ops, folders)) {
        patterns.push_back(Pattern(place));
    }
    return patterns;
}

std::optional<fs::path> FindConfigFolder(FileOps& ops, const UserFolders& folders) {
    std::optional<fs::path> best;
    std::int64_t bestPlayed = 0;
    Listings listings(ops);
    for (const Place& place : Places(ops, folders)) {
        std::vector<fs::path> reached = {place.root};
        for (const std::string_view step : place.steps) {
            reached = Below(listings, reached, step);
        }
        for (const fs::path& cfg : reached) {
            const auto played = LastPlayed(ops, cfg);
            if (played && (!best || *played > bestPlayed)) {
                best = cfg;
                bestPlayed = *played;
            }
        }
    }
    return best;
}

}  // namespace kp
