// The folder a player chose, kept on the disk for the next start: also on a
// new account without a settings folder, and told when it cannot be kept.
#include "locate/remembered_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "career_fixture.h"
#include "platform/file_ops.h"

namespace kp {
namespace {

namespace fs = std::filesystem;

TEST(RememberedFolder, IsKeptWhereTheSettingsFoldersDoNotExistYet) {
    ScratchFolder home;
    const fs::path settings = home.Path() / ".config" / "kelmarpatrol" / "kelmarpatrol.conf";
    const fs::path chosen = "/games/Kelmar cfg";
    EXPECT_EQ(RememberFolder(SystemFileOps(), settings, chosen), "");
    EXPECT_EQ(RememberedFolder(SystemFileOps(), settings), chosen);
}

TEST(RememberedFolder, ThatCannotBeKeptIsToldWithTheFileAndTheReason) {
    ScratchFolder home;
    // A file where the settings folder belongs: no folder can be made there.
    std::ofstream(home.Path() / ".config") << "x";
    const fs::path settings = home.Path() / ".config" / "kelmarpatrol.conf";
    const std::string told = RememberFolder(SystemFileOps(), settings, "/games/cfg");
    EXPECT_TRUE(
        told.starts_with("The folder you chose cannot be kept for the next start: the "
                         "settings file '" +
                         settings.string() + "' cannot be written ("))
        << told;
    // The reason is the system's, not empty.
    EXPECT_EQ(told.find("cannot be written ()"), std::string::npos) << told;
    EXPECT_FALSE(RememberedFolder(SystemFileOps(), settings));
}

}  // namespace
}  // namespace kp
