#include "locate/folder_to_open.h"

#include <gtest/gtest.h>

#include "memory_file_ops.h"

namespace kp {
namespace {

namespace fs = std::filesystem;

const fs::path kSettings = "/home/u/.config/kelmarpatrol.conf";
const UserFolders kFolders = {"", "/home/u", "", "", kSettings};

GivenFolder Unnamed(const char* workingDirectory) {
    return {workingDirectory, false};
}

GivenFolder Named(const fs::path& folder) {
    return {folder, true};
}

TEST(FolderToOpen, TheSearchIsOnlyForAWorkingDirectoryWithoutCareers) {
    const UserFolders folders = {"", "/home/u", "", "", ""};
    const fs::path kept = "/home/u/.wine/drive_c/users/u/Documents/Kelmar/Data/cfg";
    MemoryFileOps ops;
    ops.Put(kept / "careers" / "Prien" / "patrols.cfg", "x");
    ops.Put("/named/notes.txt", "x");
    ops.Put("/started/CAREERS/notes.txt", "x");
    ops.Put("/elsewhere/careers.txt", "x");
    EXPECT_EQ(FindFolderToOpen(Named("/named"), ops, folders)->cfg, fs::path("/named"));
    EXPECT_EQ(FindFolderToOpen(Unnamed("/started"), ops, folders)->cfg, fs::path("/started"));
    EXPECT_EQ(FindFolderToOpen(Unnamed("/elsewhere"), ops, folders)->cfg, kept);
    EXPECT_EQ(FindFolderToOpen(Unnamed("/elsewhere"), ops, UserFolders{}), std::nullopt);
}

TEST(FolderToOpen, ACareersFolderOrACareerFolderOpensTheFolderAbove) {
    MemoryFileOps ops;
    ops.Put("/cfg/Careers/Prien/patrols.cfg", "x");
    ops.Put("/cfg/Careers/Prien/7/save.psc", "x");
    const struct {
        fs::path given;
        fs::path cfg;
        std::string career;
    } cases[] = {
        {"/cfg", "/cfg", ""},
        {"/cfg/Careers", "/cfg", ""},
        {"/cfg/Careers/", "/cfg", ""},
        {"/cfg/Careers/Prien", "/cfg", "Prien"},
        {"/cfg/Careers/Prien/.", "/cfg", "Prien"},
        // A patrol folder is no career's folder: taken as given, it finds no careers.
        {"/cfg/Careers/Prien/7", "/cfg/Careers/Prien/7", ""},
    };
    for (const auto& c : cases) {
        const FolderToOpen start = ConfigFolderOf(ops, c.given);
        EXPECT_EQ(start.cfg, c.cfg) << c.given;
        EXPECT_EQ(start.careerToSelect, c.career) << c.given;
        // Started there without a folder named: the same, where it finds careers.
        const auto started = FindFolderToOpen({c.given, false}, ops, {});
        EXPECT_EQ(started.has_value(), c.cfg == "/cfg") << c.given;
        if (started) {
            EXPECT_EQ(started->cfg, c.cfg) << c.given;
            EXPECT_EQ(started->careerToSelect, c.career) << c.given;
        }
    }
}

TEST(FolderToOpen, TheChooserIsAskedOnlyWhenNothingIsFoundAndItsChoiceIsKept) {
    MemoryFileOps ops;
    ops.Put("/games/cfg/careers/Prien/patrols.cfg", "x");
    ops.Put("/started/careers/Topp/patrols.cfg", "x");
    int asked = 0;
    std::optional<fs::path> answer;
    const FolderChooser choose = [&] {
        ++asked;
        return answer;
    };

    // Cancel: no folder, and nothing kept.
    EXPECT_FALSE(SettleFolderToOpen(Unnamed("/elsewhere"), ops, kFolders, choose));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(ops.Files().count(kSettings), 0u);

    // A career's folder chosen: the folder above it, that career, and kept.
    answer = "/games/cfg/careers/Prien";
    FolderToOpen start = *SettleFolderToOpen(Unnamed("/elsewhere"), ops, kFolders, choose);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(start.cfg, fs::path("/games/cfg"));
    EXPECT_EQ(start.careerToSelect, "Prien");

    // The next start finds the kept folder without asking, after a folder
    // named and the working directory.
    start = *SettleFolderToOpen(Unnamed("/elsewhere"), ops, kFolders, choose);
    EXPECT_EQ(start.cfg, fs::path("/games/cfg"));
    EXPECT_EQ(start.careerToSelect, "");
    EXPECT_EQ(SettleFolderToOpen(Unnamed("/started"), ops, kFolders, choose)->cfg,
              fs::path("/started"));
    EXPECT_EQ(SettleFolderToOpen(Named("/started/careers"), ops, kFolders, choose)->cfg,
              fs::path("/started"));
    EXPECT_EQ(asked, 2);

    // Before the search: a kept folder wins over one found.
    ops.Put("/home/u/.wine/drive_c/users/u/Documents/Kelmar/Data/cfg/careers/Luth/patrols.cfg",
            "x");
    EXPECT_EQ(SettleFolderToOpen(Unnamed("/elsewhere"), ops, kFolders, choose)->cfg,
              fs::path("/games/cfg"));
    // A kept folder that lost its careers is passed over.
    ops.Remove("/games/cfg/careers/Prien/patrols.cfg");
    EXPECT_EQ(SettleFolderToOpen(Unnamed("/elsewhere"), ops, kFolders, choose)->cfg,
              fs::path("/home/u/.wine/drive_c/users/u/Documents/Kelmar/Data/cfg"));
    EXPECT_EQ(asked, 2);
}

}  // namespace
}  // namespace kp
