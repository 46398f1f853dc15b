// The one door of the program's message boxes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest/QTest>

#include "modal_box_watcher.h"
#include "ui/qt/message_box.h"

namespace kp {
namespace {

struct BoxSeen {
    QString caption;
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    int width = 0;
    int titleWidth = 0;  // the title's text, in the box's font
};

// Shows a box, lets `act` answer it, and tells what the box was.
std::pair<MessageAnswer, BoxSeen> Show(const std::string& text, MessageButtons buttons,
                                       const std::function<void(QMessageBox&)>& act) {
    BoxSeen seen;
    ModalBoxWatcher watcher([&](QDialog& dialog) {
        auto& box = dynamic_cast<QMessageBox&>(dialog);
        seen = {box.windowTitle(),     box.text(),
                box.textFormat(),      box.icon(),
                box.standardButtons(), box.standardButton(box.defaultButton()),
                box.width(),           box.fontMetrics().horizontalAdvance(box.windowTitle())};
        act(box);
    });
    const MessageAnswer answer = ShowProgramMessage(nullptr, text, buttons);
    return {answer, seen};
}

TEST(MessageBoxTest, AMessageCarriesTheProgramFileNameTheExclamationIconAndOk) {
    const auto [answer, seen] = Show("First line\nsecond <b>line</b>", MessageButtons::Ok,
                                     [](QMessageBox& box) { ClickAnswer(box, MessageAnswer::Ok); });
    EXPECT_EQ(answer, MessageAnswer::Ok);
    // The name of the program file showing it, here the test's own.
    EXPECT_EQ(seen.caption, "kp_window_tests");
    EXPECT_EQ(seen.text, "First line\nsecond <b>line</b>");
    EXPECT_EQ(seen.format, Qt::PlainText);
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);
    EXPECT_EQ(seen.defaultButton, QMessageBox::Ok);
}

// "Job Done." alone makes a narrow box, whose title a window manager would
// shorten: the box leaves the title and the title bar's buttons their room.
TEST(MessageBoxTest, AShortMessageLeavesItsTitleWhole) {
    const auto [answer, seen] = Show("Job Done.", MessageButtons::Ok,
                                     [](QMessageBox& box) { ClickAnswer(box, MessageAnswer::Ok); });
    EXPECT_GE(seen.width, seen.titleWidth + 8 * QFontMetrics(QApplication::font()).height());
}

TEST(MessageBoxTest, AQuestionOffersOkAndCancelAndReturnsTheClickedAnswer) {
    const auto ok = Show("Change it anyway?", MessageButtons::OkCancel,
                         [](QMessageBox& box) { ClickAnswer(box, MessageAnswer::Ok); });
    EXPECT_EQ(ok.first, MessageAnswer::Ok);
    EXPECT_EQ(ok.second.buttons, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(ok.second.defaultButton, QMessageBox::Ok);
    const auto cancel = Show("Change it anyway?", MessageButtons::OkCancel,
                             [](QMessageBox& box) { ClickAnswer(box, MessageAnswer::Cancel); });
    EXPECT_EQ(cancel.first, MessageAnswer::Cancel);
}

TEST(MessageBoxTest, EscapeOrTheCloseBoxAnswerAQuestionWithCancel) {
    const auto escape = Show("Change it anyway?", MessageButtons::OkCancel,
                             [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    EXPECT_EQ(escape.first, MessageAnswer::Cancel);
    const auto closed =
        Show("Change it anyway?", MessageButtons::OkCancel, [](QMessageBox& box) { box.close(); });
    EXPECT_EQ(closed.first, MessageAnswer::Cancel);
}

}  // namespace
}  // namespace kp
