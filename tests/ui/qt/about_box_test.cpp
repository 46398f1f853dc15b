// The About box, and the way this platform offers it.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QtTest/QTest>
#include <algorithm>

#include "ui/qt/about_box.h"
#include "ui/qt/dialog_units.h"
#include "window_fixture.h"

namespace kp {
namespace {

struct AboutSeen {
    QString caption;
    QString version;
    QString folder;
    Qt::TextFormat format = Qt::AutoText;
    bool okIsDefault = false;
    QSize iconSize;
};

AboutSeen Look(QDialog& box) {
    AboutSeen seen;
    seen.caption = box.windowTitle();
    const auto* version = box.findChild<QLabel*>(QStringLiteral("versionLabel"));
    seen.version = version->text();
    seen.format = version->textFormat();
    const auto* folder = box.findChild<QLabel*>(QStringLiteral("folderLabel"));
    seen.folder = folder->text();
    seen.okIsDefault = box.findChild<QPushButton*>(QStringLiteral("okButton"))->isDefault();
    seen.iconSize = box.findChild<QLabel*>(QStringLiteral("iconLabel"))->pixmap().size();
    return seen;
}

void ExpectTheAboutBox(const AboutSeen& seen, const QString& cfgPath) {
    EXPECT_EQ(seen.caption, "About KelmarPatrol");
    EXPECT_EQ(seen.version, "KelmarPatrol Version 4.0");
    // Whole, on as many lines as the box needs for it.
    EXPECT_EQ(QString(seen.folder).remove(u'\n'), "Configuration folder: " + cfgPath);
    EXPECT_EQ(seen.format, Qt::PlainText);
    EXPECT_TRUE(seen.okIsDefault);
    EXPECT_EQ(seen.iconSize, QSize(32, 32));
}

TEST(AboutBoxTest, ShowsTheIconTheVersionTheFolderAndADefaultOk) {
    AboutBox box("/home/k\xC3\xA4pt'n/cfg");
    ExpectTheAboutBox(Look(box), QString::fromUtf8("/home/k\xC3\xA4pt'n/cfg"));
    // Its 8 points are raised to the normal size of text, and the box with them.
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(std::max(8, QApplication::font().pointSize()));
    const QSize drawn = DialogUnits(font).ToPixels(235, 61);
    EXPECT_GE(box.width(), drawn.width());
    EXPECT_GE(box.height(), drawn.height());
    EXPECT_GE(box.findChild<QLabel*>(QStringLiteral("versionLabel"))->font().pointSize(),
              QApplication::font().pointSize() - 1);
}

// A folder deep inside a compatibility layer is longer than the box is wide:
// it is shown whole, broken after its separators, and the box grows down for
// it, the line below moved along.
TEST(AboutBoxTest, ALongFolderIsShownWholeOnLinesBrokenAfterItsSeparators) {
    const QString cfg = QStringLiteral(
        "/home/player/.var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/compatdata/"
        "1234567/pfx/drive_c/users/steamuser/Documents/Kelmar/Data/cfg");
    AboutBox box(cfg.toStdString());
    const AboutBox shortOne("/cfg");
    const auto* folder = box.findChild<QLabel*>(QStringLiteral("folderLabel"));
    const QStringList lines = folder->text().split(u'\n');
    ASSERT_GT(lines.size(), 2);
    EXPECT_EQ(lines.join(QString()), "Configuration folder: " + cfg);
    for (const QString& line : lines) {
        EXPECT_LE(folder->fontMetrics().horizontalAdvance(line), folder->contentsRect().width())
            << line.toStdString();
        EXPECT_TRUE(line == lines.back() || line.endsWith(u'/') || line.endsWith(u' '))
            << line.toStdString();
    }
    EXPECT_GE(folder->height(), lines.size() * folder->fontMetrics().height());
    EXPECT_TRUE(box.rect().contains(folder->geometry()));
    const auto* undo = box.findChild<QLabel*>(QStringLiteral("undoWhereLabel"));
    EXPECT_GE(undo->y(), folder->geometry().bottom());
    EXPECT_GT(box.height(), shortOne.height());
}

TEST(AboutBoxTest, OkClosesIt) {
    AboutBox box("/cfg");
    box.show();
    QTest::mouseClick(box.findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
    EXPECT_EQ(box.result(), QDialog::Accepted);
    EXPECT_FALSE(box.isVisible());
}

// Without a system menu the command is in the window's context menu and on F1.
class AboutCommandTest : public WindowTest {
  protected:
    // The About box answers itself; what it showed is kept.
    std::optional<AboutSeen> OpenWith(const std::function<void()>& open) {
        std::optional<AboutSeen> seen;
        ModalBoxWatcher about([&](QDialog& box) {
            if (qobject_cast<QMessageBox*>(&box) != nullptr) {
                return;
            }
            seen = Look(box);
            QTest::mouseClick(box.findChild<QPushButton*>(QStringLiteral("okButton")),
                              Qt::LeftButton);
        });
        open();
        QApplication::processEvents();
        return seen;
    }
};

TEST_F(AboutCommandTest, TheContextMenuOffersTheAboutItemAndUndoBelowIt) {
    EXPECT_EQ(window_->contextMenuPolicy(), Qt::ActionsContextMenu);
    const QList<QAction*> actions = window_->actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions.front()->text(), "&About KelmarPatrol...");
    EXPECT_EQ(actions.front()->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(actions.back()->text(), "&Undo Last Changes...");
    const auto seen = OpenWith([&] { actions.front()->trigger(); });
    ASSERT_TRUE(seen.has_value());
    ExpectTheAboutBox(*seen, QString::fromStdString(dialog_.m_szCfgPath));
}

TEST_F(AboutCommandTest, F1OpensTheAboutBoxAndLeavesTheWindowAsItWas) {
    ClickEntry(kAtHome);
    const QString grid = Text("gridEdit");
    const auto seen = OpenWith([&] { PressKey(Qt::Key_F1); });
    ASSERT_TRUE(seen.has_value());
    ExpectTheAboutBox(*seen, QString::fromStdString(dialog_.m_szCfgPath));
    EXPECT_EQ(Text("gridEdit"), grid);
    EXPECT_EQ(window_->ListSelection(), 2);
    EXPECT_FALSE(finished_.has_value());
    EXPECT_TRUE(messages_.empty());
}

}  // namespace
}  // namespace kp
