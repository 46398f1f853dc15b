#include "app/find_careers.h"

#include "app/program_start.h"
#include "career/file_names.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "career_fixture.h"
#include "faulty_file_ops.h"

namespace kp {
namespace {

namespace fs = std::filesystem;

class FindCareersTest : public ::testing::Test {
  protected:
    void Folders(const std::vector<std::string>& names, const char* careers = "careers") {
        for (const std::string& name : names) {
            fs::create_directories(dir.Path() / careers / PathFromUtf8(name));
        }
    }

    std::vector<std::string> Found() const {
        return {dlg.m_strCareerNames.begin(), dlg.m_strCareerNames.begin() + dlg.m_nCareerCount};
    }

    ScratchFolder dir;
    RandomSource random{1};
    CKelmarPatrol2Dlg dlg{SystemFileOps(), random};
};

std::vector<std::string> Numbered(int n) {
    std::vector<std::string> names;
    for (int i = 0; i < n; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "c%02d", i);
        names.push_back(name);
    }
    return names;
}

TEST_F(FindCareersTest, ListsTheCareerFoldersInNameOrder) {
    // Upper-cased and compared byte by byte: "_" comes after the letters, and
    // letters beyond ASCII keep their case and come last (names that differ in
    // more than case, so that Windows keeps them apart too).
    Folders({"b", "\xC3\xA9t\xC3\xA9s", "_x", "Z", "a2", "\xC3\x89t\xC3\xA9", "A", ".hidden",
             "Bravo Two"});
    WriteFile(dir.Path() / "careers" / "notes.txt", "x");
    WriteFile(dir.Path() / "careers" / "0file", "x");
    // What the dialog's constructor left; the window opens with other values.
    dlg.m_strGrid = "stale";
    dlg.m_nDaysInPort = 0;
    dlg.m_nTankerChoice = TankerChoice::kNone;
    EXPECT_EQ(FindCareers(dlg, SystemFileOps(), dir.Path()), 1);
    EXPECT_EQ(Found(), (std::vector<std::string>{".hidden", "A", "a2", "b", "Bravo Two", "Z", "_x",
                                                 "\xC3\x89t\xC3\xA9", "\xC3\xA9t\xC3\xA9s"}));
    EXPECT_EQ(dlg.m_nCareerCount, 9);
    EXPECT_EQ(dlg.m_strCareerNames[9], "");
    EXPECT_EQ(fs::path(dlg.m_szCfgPath), dir.Path());
    EXPECT_EQ(dlg.m_strGrid, "");
    EXPECT_EQ(dlg.m_nDaysInPort, 31);
    EXPECT_EQ(dlg.m_nTankerChoice, TankerChoice::kLandBase);
}

TEST_F(FindCareersTest, AtMostFiftyCareers) {
    for (const int n : {50, 51}) {
        ScratchFolder folder;
        for (const std::string& name : Numbered(n)) {
            fs::create_directories(folder.Path() / "careers" / name);
        }
        RandomSource r{1};
        CKelmarPatrol2Dlg fresh{SystemFileOps(), r};
        EXPECT_EQ(FindCareers(fresh, SystemFileOps(), folder.Path()), 1) << n;
        const int listed = 50;
        EXPECT_EQ(fresh.m_nCareerCount, listed) << n;
        const std::vector<std::string> expected = Numbered(listed);
        EXPECT_EQ(std::vector<std::string>(fresh.m_strCareerNames.begin(),
                                           fresh.m_strCareerNames.begin() + listed),
                  expected)
            << n;
    }
}

TEST_F(FindCareersTest, NoCareerFolderFound) {
    const struct {
        const char* what;
        std::function<void(const fs::path&)> make;
    } cases[] = {
        {"no careers folder", [](const fs::path&) {}},
        {"careers is a file", [](const fs::path& p) { WriteFile(p / "careers", "x"); }},
        {"only files", [](const fs::path& p) { WriteFile(p / "careers" / "a.cfg", "x"); }},
        {"empty", [](const fs::path& p) { fs::create_directories(p / "careers"); }},
        {"careers elsewhere",
         [](const fs::path& p) { fs::create_directories(p / "sub" / "careers" / "x"); }},
    };
    for (const auto& c : cases) {
        ScratchFolder folder;
        c.make(folder.Path());
        RandomSource r{1};
        CKelmarPatrol2Dlg fresh{SystemFileOps(), r};
        fresh.m_nDaysInPort = 0;
        fresh.m_nTankerChoice = TankerChoice::kNone;
        EXPECT_EQ(FindCareers(fresh, SystemFileOps(), folder.Path()), 0) << c.what;
        EXPECT_EQ(fresh.m_nCareerCount, 0) << c.what;
        EXPECT_EQ(fresh.m_nDaysInPort, 31) << c.what;
        EXPECT_EQ(fresh.m_nTankerChoice, TankerChoice::kLandBase) << c.what;
    }
}

TEST_F(FindCareersTest, CareersFolderInAnyLetterCase) {
    Folders({"Upper"}, "Careers");
    EXPECT_EQ(FindCareers(dlg, SystemFileOps(), dir.Path()), 1);
    EXPECT_EQ(Found(), std::vector<std::string>{"Upper"});
    if (!CaseSensitiveNames(dir.Path())) {
        return;  // one folder by both names: nothing to choose between
    }
    // The exact name wins over another spelling.
    Folders({"exact"}, "careers");
    Folders({"other"}, "CAREERS");
    EXPECT_EQ(FindCareers(dlg, SystemFileOps(), dir.Path()), 1);
    EXPECT_EQ(Found(), std::vector<std::string>{"exact"});
}

TEST_F(FindCareersTest, UnreadableCareersFolder) {
    Folders({"a", "b"});
    FaultyFileOps faulty(SystemFileOps());
    faulty.FailEvery(FileOp::List);
    EXPECT_EQ(FindCareers(dlg, faulty, dir.Path()), 0);
    EXPECT_EQ(dlg.m_nCareerCount, 0);
}

TEST_F(FindCareersTest, SeedAndFindCareersSeedsOnceAndFindsTheCareers) {
    Folders({"a"});
    random.Seed(99);
    EXPECT_TRUE(SeedAndFindCareers(dlg, random, 1, SystemFileOps(), dir.Path()));
    EXPECT_EQ(random.Next(), 41);
    EXPECT_EQ(dlg.m_nCareerCount, 1);
    ScratchFolder empty;
    EXPECT_FALSE(SeedAndFindCareers(dlg, random, 1, SystemFileOps(), empty.Path()));
    EXPECT_EQ(kNoCareersMessage,
              "Cannot find the Kelmar careers path.\nYou MUST place this program in your folder "
              "'My Documents\\Kelmar\\Data\\cfg'.");
    // On Linux: the folder looked in, which discovery keeps, and how to give another.
    EXPECT_EQ(NoCareersFoundMessage(dlg.m_szCfgPath),
              "Cannot find the Kelmar careers in the folder '" + Utf8FromPath(empty.Path()) +
                  "'.\nName the configuration folder, the folder that holds 'careers', when you "
                  "start the program: KelmarPatrol FOLDER. Started without FOLDER, it asks for "
                  "one again where it finds none.");
}

}  // namespace
}  // namespace kp
