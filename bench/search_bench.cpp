// The configuration-folder search of a Linux start without a folder found in
// the working directory: 300 Proton prefixes in three Steam libraries, and
// the launchers' prefixes, with the file system's cache warm.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "career_fixture.h"
#include "locate/config_search.h"
#include "platform/file_ops.h"

namespace kp {
namespace {

namespace fs = std::filesystem;

constexpr int kPrefixesPerLibrary = 100;
// What a Wine user's folder holds after a first start.
const char* const kUserFolders[] = {"AppData", "Desktop",  "Documents", "Downloads",
                                    "Music",   "Pictures", "Temp",      "Videos"};

void MakePrefix(const fs::path& prefix) {
    for (const char* user : {"steamuser", "Public"}) {
        for (const char* folder : kUserFolders) {
            fs::create_directories(prefix / "drive_c" / "users" / user / folder);
        }
    }
    fs::create_directories(prefix / "drive_c" / "windows" / "system32");
    fs::create_directories(prefix / "drive_c" / "Program Files");
    WriteFile(prefix / "system.reg", "WINE REGISTRY Version 2\n");
}

void MakeHome(const fs::path& home) {
    const fs::path steam = home / ".local/share/Steam";
    const fs::path libraries[] = {steam, home / "SSD/SteamLibrary", home / "sd/SteamLibrary"};
    std::string list = "\"libraryfolders\"\n{\n";
    for (int i = 0; i < 3; ++i) {
        list += "\t\"" + std::to_string(i) + "\"\n\t{\n\t\t\"path\"\t\t\"" + libraries[i].string() +
                "\"\n\t\t\"apps\"\n\t\t{\n\t\t}\n\t}\n";
        for (int p = 0; p < kPrefixesPerLibrary; ++p) {
            MakePrefix(libraries[i] / "steamapps/compatdata" /
                       std::to_string(1'000'000 * (i + 1) + p) / "pfx");
        }
    }
    WriteFile(steam / "steamapps/libraryfolders.vdf", list + "}\n");
    WriteFile(steam / "config/libraryfolders.vdf", list + "}\n");
    fs::create_directories(home / ".steam");
    fs::create_directory_symlink(steam, home / ".steam/steam");
    const fs::path cfg = libraries[2] /
                         "steamapps/compatdata/3000042/pfx/drive_c/users/steamuser/"
                         "Documents/Kelmar/Data/cfg";
    WriteFile(cfg / "careers/Prien/patrols.cfg", "[INIT]\r\n");

    MakePrefix(home / ".wine");
    for (int i = 0; i < 10; ++i) {
        const std::string game = "game-" + std::to_string(i);
        MakePrefix(home / "Games" / game);
        WriteFile(home / ".config/lutris/games" / (game + ".yml"),
                  "game:\n  exe: drive_c/game.exe\n  prefix: " + (home / "Games" / game).string() +
                      "\nsystem: {}\nwine:\n  version: lutris-7.2\n");
        MakePrefix(home / "Games/Heroic/Prefixes/default" / game);
        WriteFile(home / ".config/heroic/GamesConfig" / (game + ".json"),
                  "{\"" + game + "\": {\"winePrefix\": \"" +
                      (home / "Games/Heroic/Prefixes/default" / game).string() +
                      "\", \"wineVersion\": {\"type\": \"proton\"}}}");
    }
    for (int i = 0; i < 5; ++i) {
        MakePrefix(home / ".local/share/bottles/bottles" / ("bottle-" + std::to_string(i)));
        MakePrefix(home / ".PlayOnLinux/wineprefix" / ("pol-" + std::to_string(i)));
    }
}

void BM_SearchConfigFolder(benchmark::State& state) {
    ScratchFolder home;
    MakeHome(home.Path());
    const UserFolders folders = {"", home.Path(), "", "", ""};
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindConfigFolder(SystemFileOps(), folders));
    }
    if (!FindConfigFolder(SystemFileOps(), folders)) {
        state.SkipWithError("the configuration folder was not found");
    }
}

BENCHMARK(BM_SearchConfigFolder)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kp

BENCHMARK_MAIN();
