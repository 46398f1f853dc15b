#include "window_fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QtTest/QTest>

#include "app/program_start.h"
#include "platform/file_ops.h"
#include "platform/path_text.h"
#include "ui/qt/utf8_text.h"

namespace kp {
namespace {

std::string NextPatrol(std::string_view area) {
    return Crlf(
        "[INIT]\nPatrols=2\n[PATROL 002]\nEndLocation=751\nSubType=1\nSubVersion=1\n"
        "PatrolArea=" +
        std::string(area) +
        "\nStartYear=1942\nStartMonth=6\nStartDay=1\nNbDaysInBase=31\n"
        "HullIntegrity=100.0000\nFlotilla=1\n");
}

const std::string kHistory = Crlf(
    "[INIT]\nPatrols=2\n[PATROL 001]\nEndYear=1942\nEndMonth=5\nEndDay=12\n"
    "HullIntegrity=87.5000\nPatrolArea=BF17\nNbDaysInBase=31\n");

void WriteCareer(const std::filesystem::path& cfg, const QString& name,
                 std::optional<std::string_view> area) {
    const auto folder = cfg / "careers" / PathFromUtf8(ToUtf8(name));
    if (area) {
        WriteFile(folder / "patrols_0.cfg", NextPatrol(*area));
    }
    WriteFile(folder / "patrols.cfg", kHistory);
}

}  // namespace

WindowTest::WindowTest()
    : dialog_(SystemFileOps(), random_), watcher_([this](QDialog& box) {
          auto* message = qobject_cast<QMessageBox*>(&box);
          if (message == nullptr) {
              return;
          }
          messages_.push_back(MessageText(*message));
          if (whileMessageShows_) {
              whileMessageShows_();
          }
          ClickAnswer(*message, MessageAnswer::Ok);
      }) {
    WriteCareer(folder_.Path(), kAtBase, "NULL");
    WriteCareer(folder_.Path(), kBroken, std::nullopt);
    WriteCareer(folder_.Path(), kAtHome, "BF17");
    WriteCareer(folder_.Path(), kUmlaut, "AM52");
    EXPECT_TRUE(StartInConfigFolder(dialog_, random_, 1, SystemFileOps(), folder_.Path()));

    window_ = std::make_unique<PatrolWindow>(dialog_);
    QObject::connect(window_.get(), &QDialog::finished, window_.get(),
                     [this](int result) { finished_ = result; });
    window_->show();
    window_->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
}

QListWidget& WindowTest::List() const {
    return Find<QListWidget>("careerList");
}

void WindowTest::ClickEntry(const QString& name, Qt::KeyboardModifiers modifiers) {
    const QList<QListWidgetItem*> items = List().findItems(name, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1);
    QTest::mouseClick(List().viewport(), Qt::LeftButton, modifiers,
                      List().visualItemRect(items.front()).center());
    QApplication::processEvents();
}

void WindowTest::Click(const char* name) {
    QTest::mouseClick(&Find<QWidget>(name), Qt::LeftButton);
    QApplication::processEvents();
}

void WindowTest::PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    // Off screen no window manager hands the activation back once a box closes.
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, key, modifiers);
    QApplication::processEvents();
}

QString WindowTest::FocusName() const {
    const QWidget* focus = QApplication::focusWidget();
    return focus == nullptr ? QString() : focus->objectName();
}

QString WindowTest::Text(const char* lineEdit) const {
    return Find<QLineEdit>(lineEdit).text();
}

}  // namespace kp
