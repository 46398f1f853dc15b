// The folder chooser a start without a configuration folder opens.
#include "ui/qt/folder_chooser.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFileDialog>
#include <filesystem>

#include "career_fixture.h"
#include "modal_box_watcher.h"
#include "platform/path_text.h"
#include "ui/qt/utf8_text.h"

namespace kp {
namespace {

namespace fs = std::filesystem;

// The player's home for one test, set in the environment and put back after.
class HomeFolder {
  public:
    explicit HomeFolder(const fs::path& home)
        : home_(qgetenv("HOME")), config_(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("HOME", QByteArray::fromStdString(home.string()));
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((home / ".config").string()));
    }
    ~HomeFolder() {
        qputenv("HOME", home_);
        qputenv("XDG_CONFIG_HOME", config_);
    }
    HomeFolder(const HomeFolder&) = delete;
    HomeFolder& operator=(const HomeFolder&) = delete;

  private:
    QByteArray home_;
    QByteArray config_;
};

// The prefixes of the compatibility layers lie in hidden folders of the home
// folder; the program keeps one setting and no file of Qt's.
TEST(FolderChooserTest, StartsAtHomeShowsHiddenFoldersAndLeavesNoFileBehind) {
    ScratchFolder home;
    const fs::path wine = home.Path() / ".wine";
    fs::create_directories(wine);
    fs::create_directories(home.Path() / ".config");
    const HomeFolder set(home.Path());
    QString startedIn;
    bool showsHidden = false;
    ModalBoxWatcher watcher([&](QDialog& box) {
        auto* chooser = qobject_cast<QFileDialog*>(&box);
        ASSERT_NE(chooser, nullptr);
        startedIn = chooser->directory().absolutePath();
        showsHidden = chooser->filter().testFlag(QDir::Hidden);
        chooser->selectFile(ToQString(Utf8FromPath(wine)));
        static_cast<QDialog*>(chooser)->accept();
    });
    const auto chosen = ChooseFolder();
    EXPECT_EQ(startedIn, QDir(ToQString(Utf8FromPath(home.Path()))).absolutePath());
    EXPECT_TRUE(showsHidden);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(fs::path(*chosen).lexically_normal(), wine.lexically_normal());
    for (const auto& left : fs::recursive_directory_iterator(home.Path() / ".config")) {
        ADD_FAILURE() << "left behind: " << left.path();
    }
}

}  // namespace
}  // namespace kp
