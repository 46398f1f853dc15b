#include "app/config_search.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>

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
    void Put(const fs::path& file) { files_.Put(file, "x"); }
    void Changed(const fs::path& folder, std::optional<std::int64_t> seconds) {
        times_[folder] = seconds;
    }
    void Unreadable(const fs::path& folder) { unreadable_.insert(folder); }

    std::unique_ptr<InputFile> OpenRead(const fs::path& path) override {
        return files_.OpenRead(path);
    }
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

const UserFolders kFolders = {"/docs", "/home/u", "/prefix"};

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
    EXPECT_EQ(FindConfigFolder(tree, {"", "", "/prefix"}), std::nullopt);
}

TEST(ConfigSearch, TheCareersChangedLastWinAndTheOrderBreaksATie) {
    const fs::path wine = "/prefix/drive_c/users/player/Documents/Kelmar/Data/cfg";
    const fs::path defaultWine = "/home/u/.wine/drive_c/users/player/Documents/Kelmar/Data/cfg";
    const fs::path proton =
        "/home/u/.steam/steam/steamapps/compatdata/9/pfx/drive_c/users/steamuser/Documents/Kelmar/"
        "Data/cfg";
    Tree tree;
    tree.Career(wine);
    tree.Career(defaultWine, "Careers");
    tree.Career(proton);
    tree.Changed(wine / "careers", 2000);
    tree.Changed(defaultWine / "Careers", 1500);
    tree.Changed(proton / "careers", 3000);
    EXPECT_EQ(FindConfigFolder(tree, kFolders), proton);
    tree.Changed(defaultWine / "Careers", 3000);
    EXPECT_EQ(FindConfigFolder(tree, kFolders), defaultWine);
    tree.Changed(wine / "careers", 3000);
    EXPECT_EQ(FindConfigFolder(tree, kFolders), wine);
    // A time the system does not know is older than any it knows.
    tree.Changed(wine / "careers", std::nullopt);
    tree.Changed(defaultWine / "Careers", -5000);
    tree.Changed(proton / "careers", std::nullopt);
    EXPECT_EQ(FindConfigFolder(tree, kFolders), defaultWine);
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
