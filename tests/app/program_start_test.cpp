#include "app/program_start.h"
#include "platform/path_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "career_fixture.h"

namespace kp {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Numbered(int n) {
    std::vector<std::string> names;
    for (int i = 0; i < n; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "c%02d", i);
        names.push_back(name);
    }
    return names;
}

std::vector<std::string> Listed(const CKelmarPatrol2Dlg& dlg) {
    return {dlg.m_strCareerNames.begin(), dlg.m_strCareerNames.begin() + dlg.m_nCareerCount};
}

TEST(StartInConfigFolder, SeedsOnceAndListsTheCareersWithTheWindowsFirstValues) {
    ScratchFolder dir;
    for (const char* name : {"b", "a"}) {
        fs::create_directories(dir.Path() / "careers" / name);
    }
    RandomSource random{1};
    CKelmarPatrol2Dlg dlg{SystemFileOps(), random};
    // What the dialog's constructor left; the window opens with other values.
    dlg.m_strGrid = "stale";
    dlg.m_nDaysInPort = 0;
    dlg.m_nTankerChoice = TankerChoice::kNone;
    random.Seed(99);
    EXPECT_TRUE(StartInConfigFolder(dlg, random, 1, SystemFileOps(), dir.Path()));
    EXPECT_EQ(random.Next(), 41);
    EXPECT_EQ(Listed(dlg), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(dlg.m_strCareerNames[2], "");
    EXPECT_EQ(fs::path(dlg.m_szCfgPath), dir.Path());
    EXPECT_EQ(dlg.m_strGrid, "");
    EXPECT_EQ(dlg.m_nDaysInPort, 31);
    EXPECT_EQ(dlg.m_nTankerChoice, TankerChoice::kLandBase);

    // Without a career the window's first values are set all the same.
    ScratchFolder empty;
    dlg.m_nDaysInPort = 0;
    dlg.m_nTankerChoice = TankerChoice::kNone;
    EXPECT_FALSE(StartInConfigFolder(dlg, random, 1, SystemFileOps(), empty.Path()));
    EXPECT_EQ(dlg.m_nCareerCount, 0);
    EXPECT_EQ(dlg.m_nDaysInPort, 31);
    EXPECT_EQ(dlg.m_nTankerChoice, TankerChoice::kLandBase);
    EXPECT_EQ(kNoCareersMessage,
              "Cannot find the Kelmar careers path.\nYou MUST place this program in your folder "
              "'My Documents\\Kelmar\\Data\\cfg'.");
    // On Linux: the folder looked in, which discovery keeps, and how to give another.
    // The program as it is typed in a terminal, quoted where its path needs it.
    EXPECT_EQ(NoCareersFoundMessage(dlg.m_szCfgPath, "/home/u/Kelmar Patrol/KelmarPatrol"),
              "Cannot find the Kelmar careers in the folder '" + Utf8FromPath(empty.Path()) +
                  "'.\nName the configuration folder, the folder that holds 'careers', when you "
                  "start the program: '/home/u/Kelmar Patrol/KelmarPatrol' FOLDER. Started "
                  "without FOLDER, it asks for one again where it finds none.");
    EXPECT_TRUE(NoFolderChosenMessage("/usr/bin/KelmarPatrol")
                    .ends_with("name it in a terminal: /usr/bin/KelmarPatrol FOLDER."));
    EXPECT_TRUE(NoFolderChosenMessage("/home/u/Sam's/KelmarPatrol")
                    .ends_with("name it in a terminal: '/home/u/Sam'\\''s/KelmarPatrol' FOLDER."));
}

TEST(StartInConfigFolder, AtMostFiftyCareers) {
    for (const int n : {50, 51}) {
        ScratchFolder folder;
        for (const std::string& name : Numbered(n)) {
            fs::create_directories(folder.Path() / "careers" / name);
        }
        RandomSource random{1};
        CKelmarPatrol2Dlg dlg{SystemFileOps(), random};
        EXPECT_TRUE(StartInConfigFolder(dlg, random, 1, SystemFileOps(), folder.Path())) << n;
        EXPECT_EQ(dlg.m_nCareerCount, 50) << n;
        EXPECT_EQ(Listed(dlg), Numbered(50)) << n;
    }
}

}  // namespace
}  // namespace kp
