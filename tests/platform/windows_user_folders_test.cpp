// The Documents folder as Windows reports it, the root of the search there.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/user_folders.h"

namespace kp {
namespace {

TEST(WindowsUserFolders, TheDocumentsFolderIsAnAbsoluteFolderAndNothingElseIsSearched) {
    const UserFolders folders = SystemUserFolders();
    EXPECT_TRUE(folders.documents.is_absolute()) << folders.documents;
    EXPECT_TRUE(std::filesystem::is_directory(folders.documents)) << folders.documents;
    EXPECT_TRUE(folders.home.empty());
    EXPECT_TRUE(folders.winePrefix.empty());
}

}  // namespace
}  // namespace kp
