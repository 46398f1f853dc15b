#include "app/start_folder.h"

#include <gtest/gtest.h>

#include "memory_file_ops.h"

namespace kp {
namespace {

namespace fs = std::filesystem;
using Action = CommandLine::Action;

const fs::path kSettings = "/home/u/.config/kelmarpatrol.conf";
const UserFolders kFolders = {"", "/home/u", "", "", kSettings};

CommandLine Unnamed(const char* workingDirectory) {
    return {Action::Run, workingDirectory, false, {}, {}};
}

CommandLine Named(const fs::path& folder) {
    return {Action::Run, folder, true, {}, {}};
}

TEST(StartFolder, TheSearchIsOnlyForAWorkingDirectoryWithoutCareers) {
    const UserFolders folders = {"", "/home/u", "", "", ""};
    const fs::path kept = "/home/u/.wine/drive_c/users/u/Documents/Kelmar/Data/cfg";
    MemoryFileOps ops;
    ops.Put(kept / "careers" / "Prien" / "patrols.cfg", "x");
    ops.Put("/named/notes.txt", "x");
    ops.Put("/started/CAREERS/notes.txt", "x");
    ops.Put("/elsewhere/careers.txt", "x");
    EXPECT_EQ(FindStartFolder(Named("/named"), ops, folders)->cfg, fs::path("/named"));
    EXPECT_EQ(FindStartFolder(Unnamed("/started"), ops, folders)->cfg, fs::path("/started"));
    EXPECT_EQ(FindStartFolder(Unnamed("/elsewhere"), ops, folders)->cfg, kept);
    EXPECT_EQ(FindStartFolder(Unnamed("/elsewhere"), ops, UserFolders{}), std::nullopt);
}

TEST(StartFolder, ACareersFolderOrACareerFolderOpensTheFolderAbove) {
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
        const StartFolder start = ConfigFolderOf(ops, c.given);
        EXPECT_EQ(start.cfg, c.cfg) << c.given;
        EXPECT_EQ(start.career, c.career) << c.given;
        // Started there without a folder named: the same, where it finds careers.
        const auto started = FindStartFolder(Unnamed(c.given.string().c_str()), ops, {});
        EXPECT_EQ(started.has_value(), c.cfg == "/cfg") << c.given;
        if (started) {
            EXPECT_EQ(started->cfg, c.cfg) << c.given;
            EXPECT_EQ(started->career, c.career) << c.given;
        }
    }
}

TEST(StartFolder, TheChooserIsAskedOnlyWhenNothingIsFoundAndItsChoiceIsKept) {
    MemoryFileOps ops;
    ops.Put("/games/cfg/careers/Prien/patrols.cfg", "x");
    ops.Put("/started/careers/Topp/patrols.cfg", "x");
    int asked = 0;
    std::optional<fs::path> answer;
    const FolderChooser choose = [&] {
        ++asked;
        return answer;
    };

    // Cancel: the working directory, where discovery ends the program; nothing kept.
    StartFolder start = SettleStartFolder(Unnamed("/elsewhere"), ops, kFolders, choose);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(start.cfg, fs::path("/elsewhere"));
    EXPECT_EQ(ops.Files().count(kSettings), 0u);

    // A career's folder chosen: the folder above it, that career, and kept.
    answer = "/games/cfg/careers/Prien";
    start = SettleStartFolder(Unnamed("/elsewhere"), ops, kFolders, choose);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(start.cfg, fs::path("/games/cfg"));
    EXPECT_EQ(start.career, "Prien");

    // The next start finds the kept folder without asking, after a folder
    // named and the working directory.
    start = SettleStartFolder(Unnamed("/elsewhere"), ops, kFolders, choose);
    EXPECT_EQ(start.cfg, fs::path("/games/cfg"));
    EXPECT_EQ(start.career, "");
    EXPECT_EQ(SettleStartFolder(Unnamed("/started"), ops, kFolders, choose).cfg,
              fs::path("/started"));
    EXPECT_EQ(SettleStartFolder(Named("/started/careers"), ops, kFolders, choose).cfg,
              fs::path("/started"));
    EXPECT_EQ(asked, 2);

    // Before the search: a kept folder wins over one found.
    ops.Put("/home/u/.wine/drive_c/users/u/Documents/Kelmar/Data/cfg/careers/Luth/patrols.cfg",
            "x");
    EXPECT_EQ(SettleStartFolder(Unnamed("/elsewhere"), ops, kFolders, choose).cfg,
              fs::path("/games/cfg"));
    // A kept folder that lost its careers is passed over.
    ops.Remove("/games/cfg/careers/Prien/patrols.cfg");
    EXPECT_EQ(SettleStartFolder(Unnamed("/elsewhere"), ops, kFolders, choose).cfg,
              fs::path("/home/u/.wine/drive_c/users/u/Documents/Kelmar/Data/cfg"));
    EXPECT_EQ(asked, 2);
}

}  // namespace
}  // namespace kp
