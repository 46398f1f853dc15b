#include "locate/find_careers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "career_fixture.h"
#include "faulty_file_ops.h"
#include "platform/path_text.h"

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

    ScratchFolder dir;
};

TEST_F(FindCareersTest, ListsTheCareerFoldersInNameOrder) {
    // Upper-cased and compared byte by byte: "_" comes after the letters, and
    // letters beyond ASCII keep their case and come last (names that differ in
    // more than case, so that Windows keeps them apart too).
    Folders({"b", "\xC3\xA9t\xC3\xA9s", "_x", "Z", "a2", "\xC3\x89t\xC3\xA9", "A", ".hidden",
             "Bravo Two"});
    WriteFile(dir.Path() / "careers" / "notes.txt", "x");
    WriteFile(dir.Path() / "careers" / "0file", "x");
    EXPECT_EQ(FindCareers(SystemFileOps(), dir.Path()),
              (std::vector<std::string>{".hidden", "A", "a2", "b", "Bravo Two", "Z", "_x",
                                        "\xC3\x89t\xC3\xA9", "\xC3\xA9t\xC3\xA9s"}));
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
        EXPECT_EQ(FindCareers(SystemFileOps(), folder.Path()), std::vector<std::string>())
            << c.what;
    }
}

TEST_F(FindCareersTest, CareersFolderInAnyLetterCase) {
    Folders({"Upper"}, "Careers");
    EXPECT_EQ(FindCareers(SystemFileOps(), dir.Path()), std::vector<std::string>{"Upper"});
    if (!CaseSensitiveNames(dir.Path())) {
        return;  // one folder by both names: nothing to choose between
    }
    // The exact name wins over another spelling.
    Folders({"exact"}, "careers");
    Folders({"other"}, "CAREERS");
    EXPECT_EQ(FindCareers(SystemFileOps(), dir.Path()), std::vector<std::string>{"exact"});
}

TEST_F(FindCareersTest, UnreadableCareersFolder) {
    Folders({"a", "b"});
    FaultyFileOps faulty(SystemFileOps());
    faulty.FailEvery(FileOp::List);
    EXPECT_EQ(FindCareers(faulty, dir.Path()), std::vector<std::string>());
}

}  // namespace
}  // namespace kp
