#include "locate/config_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>

#include "memory_file_ops.h"

namespace kp {
namespace {

namespace fs = std::filesystem;

// A synthetic folder tree with the last-change times and the unreadable
// folders a test gives it.
class Tree final : public FileOps {
  public:
    // A configuration folder with one career in its careers folder.
    void Career(const fs::path& cfg, const char* careers = "careers") {
        files_.Put(cfg / careers / "Prien" / "patrols.cfg", "x");
    }
    void Put(const fs::path& file, std::string content = "x") {
        files_.Put(file, std::move(content));
    }
    void Changed(const fs::path& folder, std::optional<std::int64_t> seconds) {
        times_[folder] = seconds;
    }
    void Unreadable(const fs::path& folder) { unreadable_.insert(folder); }

    std::unique_ptr<InputFile> OpenRead(const fs::path& path) override {
        return files_.OpenRead(path);
    }
    std::unique_ptr<InputFile> OpenOwnFile(const fs::path& folder, const fs::path&) override {
        ADD_FAILURE() << "the search read a change record in " << folder;
        return nullptr;
    }
    ExchangeResult Exchange(const fs::path& from, const fs::path&) override {
        ADD_FAILURE() << "the search moved " << from;
        return ExchangeResult::Failed;
    }
    bool ReplaceOwn(const fs::path& folder, const fs::path&, const fs::path&) override {
        ADD_FAILURE() << "the search moved a file in " << folder;
        return false;
    }
    bool RemoveOwn(const fs::path& folder, const fs::path&) override {
        ADD_FAILURE() << "the search removed a file in " << folder;
        return false;
    }
    Replaceable CanReplace(const fs::path& folder, const fs::path&) override {
        ADD_FAILURE() << "the search checked a file in " << folder;
        return Replaceable::Yes;
    }
    OpenFailure LastOpenFailure() const override { return files_.LastOpenFailure(); }
    std::unique_ptr<OutputFile> Create(const fs::path& path) override {
        ADD_FAILURE() << "the search wrote " << path;
        return nullptr;
    }
    bool Replace(const fs::path& from, const fs::path&) override {
        ADD_FAILURE() << "the search moved " << from;
        return false;
    }
    bool Remove(const fs::path& path) override {
        ADD_FAILURE() << "the search removed " << path;
        return false;
    }
    bool Link(const fs::path& existing, const fs::path&) override {
        ADD_FAILURE() << "the search linked " << existing;
        return false;
    }
    LockResult LockFolder(const fs::path& folder) override {
        ADD_FAILURE() << "the search locked " << folder;
        return {};
    }
    bool IsFolder(const fs::path& path) override { return files_.IsFolder(path); }
    std::string MakeFolders(const fs::path& folder) override {
        ADD_FAILURE() << "the search made " << folder;
        return {};
    }
    std::optional<std::vector<DirEntry>> List(const fs::path& dir) override {
        if (unreadable_.count(dir) != 0) {
            return std::nullopt;
        }
        auto entries = files_.List(dir);
        if (entries) {
            for (DirEntry& entry : *entries) {
                if (const auto it = times_.find(dir / entry.name); it != times_.end()) {
                    entry.lastWriteSeconds = it->second;
                }
            }
        }
        return entries;
    }

  private:
    MemoryFileOps files_;
    std::map<fs::path, std::optional<std::int64_t>> times_;
    std::set<fs::path> unreadable_;
};

const UserFolders kFolders = {"/docs", "/home/u", "/prefix", "/data", ""};

TEST(ConfigSearch, FindsEachPlaceWhateverTheLetterCase) {
    const char* const places[] = {
        "/docs/Kelmar/Data/cfg",
        "/docs/KELMAR/data/Cfg",
        "/prefix/drive_c/users/player/Documents/Kelmar/Data/cfg",
        "/prefix/Drive_C/USERS/player/documents/kelmar/DATA/CFG",
        "/home/u/.wine/drive_c/users/player/My Documents/Kelmar/Data/cfg",
        "/home/u/.wine/drive_c/users/Public/my documents/Kelmar/Data/cfg",
        "/home/u/.steam/steam/steamapps/compatdata/1/pfx/drive_c/users/steamuser/Documents/"
        "Kelmar/Data/cfg",
        "/home/u/.steam/steam/SteamApps/CompatData/7/PFX/drive_c/users/steamuser/Documents/"
        "Kelmar/Data/cfg",
        "/home/u/.local/share/Steam/steamapps/compatdata/2/pfx/drive_c/users/steamuser/"
        "My Documents/Kelmar/Data/cfg",
        "/home/u/.var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/compatdata/3/pfx/"
        "drive_c/users/steamuser/Documents/Kelmar/Data/cfg",
        "/home/u/.var/app/com.valvesoftware.Steam/data/Steam/steamapps/compatdata/4/pfx/"
        "drive_c/users/steamuser/Documents/Kelmar/Data/cfg",
        "/data/Steam/steamapps/compatdata/5/pfx/drive_c/users/steamuser/Documents/Kelmar/Data/cfg",
        "/home/u/Games/kelmar/drive_c/users/player/Documents/Kelmar/Data/cfg",
        "/home/u/.local/share/bottles/bottles/Kelmar/drive_c/users/player/Documents/Kelmar/Data/"
        "cfg",
        "/home/u/.var/app/com.usebottles.bottles/data/bottles/bottles/Kelmar/drive_c/users/player/"
        "Documents/Kelmar/Data/cfg",
        "/data/bottles/bottles/Kelmar/drive_c/users/player/Documents/Kelmar/Data/cfg",
        "/home/u/Games/Heroic/Prefixes/default/Kelmar/drive_c/users/player/Documents/Kelmar/Data/"
        "cfg",
        "/home/u/.PlayOnLinux/wineprefix/Kelmar/drive_c/users/player/Documents/Kelmar/Data/cfg",
    };
    for (const char* place : places) {
        Tree tree;
        tree.Career(place, "CAREERS");
        EXPECT_EQ(FindConfigFolder(tree, kFolders), fs::path(place)) << place;
    }
    // Each root only where the system has it.
    Tree tree;
    tree.Career("/docs/Kelmar/Data/cfg");
    tree.Career("/home/u/.wine/drive_c/users/player/Documents/Kelmar/Data/cfg");
    EXPECT_EQ(FindConfigFolder(tree, {"", "", "/prefix", "", ""}), std::nullopt);
}

TEST(ConfigSearch, TheCareerPlayedLastWinsAndTheOrderBreaksATie) {
    const fs::path wine = "/prefix/drive_c/users/player/Documents/Kelmar/Data/cfg";
    const fs::path defaultWine = "/home/u/.wine/drive_c/users/player/Documents/Kelmar/Data/cfg";
    const fs::path proton =
        "/home/u/.steam/steam/steamapps/compatdata/9/pfx/drive_c/users/steamuser/Documents/Kelmar/"
        "Data/cfg";
    Tree tree;
    tree.Career(wine);
    tree.Career(defaultWine, "Careers");
    tree.Career(proton);
    tree.Put(defaultWine / "Careers" / "Prien" / "3" / "Patrol.PSC");
    tree.Put(wine / "careers" / "Prien" / "notes.txt");
    tree.Changed(wine / "careers" / "Prien" / "patrols.cfg", 2000);
    tree.Changed(defaultWine / "Careers" / "Prien" / "patrols.cfg", 1500);
    tree.Changed(defaultWine / "Careers" / "Prien" / "3" / "Patrol.PSC", 2500);
    tree.Changed(proton / "careers" / "Prien" / "patrols.cfg", 3000);
    // Neither a folder's own time (it changes when a career is added) nor
    // another file tells when a career was played.
    tree.Changed(wine / "careers", 9000);
    tree.Changed(wine / "careers" / "Prien", 9000);
    tree.Changed(wine / "careers" / "Prien" / "notes.txt", 9000);
    EXPECT_EQ(FindConfigFolder(tree, kFolders), proton);
    tree.Changed(defaultWine / "Careers" / "Prien" / "3" / "Patrol.PSC", 3000);
    EXPECT_EQ(FindConfigFolder(tree, kFolders), defaultWine);
    tree.Changed(wine / "careers" / "Prien" / "patrols.cfg", 3000);
    EXPECT_EQ(FindConfigFolder(tree, kFolders), wine);
    // A time the system does not know is older than any it knows.
    tree.Changed(wine / "careers" / "Prien" / "patrols.cfg", std::nullopt);
    tree.Changed(defaultWine / "Careers" / "Prien" / "patrols.cfg", -5000);
    tree.Changed(defaultWine / "Careers" / "Prien" / "3" / "Patrol.PSC", std::nullopt);
    tree.Changed(proton / "careers" / "Prien" / "patrols.cfg", std::nullopt);
    EXPECT_EQ(FindConfigFolder(tree, kFolders), defaultWine);
}

TEST(ConfigSearch, SteamLibrariesAndLaunchersNameMorePrefixes) {
    const fs::path sdCard =
        "/run/media/deck/sd/steamapps/compatdata/7/pfx/drive_c/users/steamuser/Documents/Kelmar/"
        "Data/cfg";
    const fs::path oldList =
        "/mnt/old/steamapps/compatdata/7/pfx/drive_c/users/steamuser/Documents/Kelmar/Data/cfg";
    Tree tree;
    tree.Career(sdCard);
    tree.Career(oldList);
    // Steam's lists, as it writes them: with a comment, in both places, in the
    // older form, and one cut short, which is passed over.
    tree.Put("/home/u/.steam/steam/steamapps/libraryfolders.vdf",
             "// written by Steam\n\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t"
             "\"/home/u/.local/share/Steam\"\n\t\t\"apps\"\n\t\t{\n\t\t\t\"7\"\t\"0\"\n\t\t}"
             "\n\t}\n\t\"1\"\n\t{\n\t\t\"path\"\t\t\"/run/media/deck/sd\"\n\t}\n}\n");
    tree.Put("/home/u/.local/share/Steam/config/libraryfolders.vdf",
             "\"LibraryFolders\"\n{\n\t\"TimeNextStatsReport\"\t\"1\"\n\t\"1\"\t\"/mnt/old\"\n}\n");
    tree.Put("/data/Steam/steamapps/libraryfolders.vdf", "\"libraryfolders\" { \"0\" { \"path\"");
    EXPECT_EQ(FindConfigFolder(tree, kFolders), sdCard);
    tree.Changed(oldList / "careers" / "Prien" / "patrols.cfg", 2000);
    EXPECT_EQ(FindConfigFolder(tree, kFolders), oldList);
    const auto places = ConfigSearchPlaces(tree, kFolders);
    EXPECT_NE(std::find(places.begin(), places.end(),
                        "/run/media/deck/sd/steamapps/compatdata/*/pfx/drive_c/users/*/Documents/"
                        "Kelmar/Data/cfg"),
              places.end());
#ifdef KP_READS_LAUNCHER_FILES
    // The prefixes Lutris and Heroic name, wherever they are; a file that is
    // no YAML or JSON, or not the launcher's, is passed over.
    const fs::path lutris = "/srv/lutris-kelmar/drive_c/users/u/Documents/Kelmar/Data/cfg";
    const fs::path heroic = "/home/u/heroic-kelmar/drive_c/users/u/Documents/Kelmar/Data/cfg";
    tree.Career(lutris);
    tree.Career(heroic);
    tree.Changed(lutris / "careers" / "Prien" / "patrols.cfg", 3000);
    tree.Changed(heroic / "careers" / "Prien" / "patrols.cfg", 4000);
    tree.Put("/home/u/.config/lutris/games/broken.yml", "game: [prefix: {");
    tree.Put("/home/u/.config/lutris/games/other.yml", "- a list\n- of things\n");
    tree.Put("/home/u/.config/lutris/games/kelmar-1.yml",
             "game:\n  exe: drive_c/Kelmar/Kelmar.exe\n  prefix: /srv/lutris-kelmar\n"
             "system:\n  env: {}\n");
    EXPECT_EQ(FindConfigFolder(tree, kFolders), lutris);
    tree.Put("/home/u/.config/heroic/GamesConfig/broken.json", "{\"a\": ");
    tree.Put("/home/u/.config/heroic/GamesConfig/other.json", "[1, 2]");
    tree.Put("/home/u/.config/heroic/GamesConfig/Kelmar.json",
             "{\"Kelmar\": {\"winePrefix\": \"~/heroic-kelmar\", \"wineVersion\": {}}, "
             "\"version\": \"v0\"}");
    EXPECT_EQ(FindConfigFolder(tree, kFolders), heroic);
#endif
}

TEST(ConfigSearch, PlacesWithoutACareerAreNotFound) {
    Tree tree;
    // A prefix without the simulation.
    tree.Put("/prefix/drive_c/users/player/Documents/notes.txt");
    // The simulation without a career: no careers folder, or one with files only.
    tree.Put("/home/u/.wine/drive_c/users/player/Documents/Kelmar/Data/cfg/options.cfg");
    tree.Put("/home/u/.wine/drive_c/users/player/My Documents/Kelmar/Data/cfg/careers/x.txt");
    // A file where a folder of the path should be.
    tree.Put("/docs/Kelmar/Data/cfg");
    tree.Put(
        "/home/u/.steam/steam/steamapps/compatdata/1/pfx/drive_c/users/steamuser/Documents/"
        "Kelmar/Data/cfg/careers");
    EXPECT_EQ(FindConfigFolder(tree, kFolders), std::nullopt);
}

TEST(ConfigSearch, UnreadableFoldersArePassedOver) {
    const fs::path reachable =
        "/home/u/.local/share/Steam/steamapps/compatdata/5/pfx/drive_c/users/steamuser/Documents/"
        "Kelmar/Data/cfg";
    Tree tree;
    tree.Career("/prefix/drive_c/users/player/Documents/Kelmar/Data/cfg");
    tree.Career("/home/u/.wine/drive_c/users/player/Documents/Kelmar/Data/cfg");
    tree.Career(
        "/home/u/.steam/steam/steamapps/compatdata/1/pfx/drive_c/users/steamuser/"
        "Documents/Kelmar/Data/cfg");
    tree.Career(reachable);
    tree.Changed(reachable / "careers", 1);
    tree.Unreadable("/prefix/drive_c/users");
    tree.Unreadable("/home/u/.wine/drive_c/users/player/Documents/Kelmar/Data/cfg/careers");
    tree.Unreadable("/home/u/.steam/steam/steamapps/compatdata/1/pfx");
    tree.Unreadable("/docs");
    EXPECT_EQ(FindConfigFolder(tree, kFolders), reachable);
    tree.Unreadable("/home/u/.local/share/Steam/steamapps/compatdata");
    EXPECT_EQ(FindConfigFolder(tree, kFolders), std::nullopt);
}

}  // namespace
}  // namespace kp
