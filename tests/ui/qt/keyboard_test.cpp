// Focus, Tab, Enter and Esc: the keys reach the same commands as the mouse.
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeySequence>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <QtTest/QTest>
#include <functional>
#include <map>
#include <string>

#include "ui/qt/dialog_templates.h"
#include "ui/qt/utf8_text.h"

#include "window_fixture.h"

namespace kp {
namespace {

using KeyboardTest = WindowTest;

TEST_F(KeyboardTest, FocusStartsOnTheCareerList) {
    EXPECT_EQ(FocusName(), "careerList");
}

TEST_F(KeyboardTest, TabVisitsTheTabStopsInTemplateOrderAndTheBaseButtonsOnce) {
    const QStringList expected = {"enteredMedCheck", "makeChangesButton", "cancelButton",
                                  "gridEdit",        "daysEdit",          "seaStatusEdit",
                                  "landBaseRadio",   "autoRadarCheck",    "endDateEdit",
                                  "boatTypeEdit",    "endLocationEdit",   "careerList"};
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        PressKey(Qt::Key_Tab);
        visited << FocusName();
    }
    EXPECT_EQ(visited, expected);

    PressKey(Qt::Key_Backtab);
    EXPECT_EQ(FocusName(), "endLocationEdit");
}

// The arrows move within the base buttons and choose as they go, as in any
// dialog: here the tanker the career's date does not open yet.
TEST_F(KeyboardTest, TheArrowsMoveAmongTheBaseButtonsAndChoose) {
    ClickEntry(kAtHome);
    Find<QWidget>("landBaseRadio").setFocus();
    PressKey(Qt::Key_Down);
    QApplication::processEvents();
    EXPECT_EQ(messages_, std::vector<std::string>{"Cannot be a U-tanker at Home Base!"});
}

// Alt and a caption's marked letter: a button or check box is pressed, a
// label gives the focus to the control it names.
TEST_F(KeyboardTest, EachAccessKeyReachesItsControl) {
    const struct {
        Qt::Key key;
        const char* focus;
    } cases[] = {
        {Qt::Key_C, "careerList"},       {Qt::Key_G, "gridEdit"},
        {Qt::Key_D, "daysEdit"},         {Qt::Key_S, "seaStatusEdit"},
        {Qt::Key_P, "endDateEdit"},      {Qt::Key_U, "boatTypeEdit"},
        {Qt::Key_T, "endLocationEdit"},  {Qt::Key_L, "landBaseRadio"},
        {Qt::Key_O, "tankerNorthRadio"}, {Qt::Key_I, "tankerMidRadio"},
        {Qt::Key_H, "tankerSouthRadio"}, {Qt::Key_A, "autoRadarCheck"},
        {Qt::Key_E, "enteredMedCheck"},
    };
    ClickEntry(kAtHome);
    for (const auto& c : cases) {
        Find<QWidget>("makeChangesButton").setFocus();
        QTest::keyClick(window_.get(), c.key, Qt::AltModifier);
        QApplication::processEvents();
        EXPECT_EQ(FocusName(), c.focus) << c.focus;
    }
    QTest::keyClick(window_.get(), Qt::Key_N, Qt::AltModifier);
    // A button's access key presses it as a click does, shown down a moment first.
    EXPECT_TRUE(QTest::qWaitFor([&] { return finished_.has_value(); }));
    EXPECT_EQ(finished_, QDialog::Rejected);
}

// No two captions share a letter, or Alt would reach only one of them.
TEST(AccessKeyTest, EveryCaptionOfTheWindowMarksALetterNoOtherDoes) {
    std::map<QChar, std::string> letters;
    for (const ControlTemplate& control : kPatrolWindowTemplate.controls) {
        const QString caption = ToQString(control.caption);
        const QKeySequence key = QKeySequence::mnemonic(caption);
        if (control.caption.empty() || control.kind == ControlKind::GroupBox ||
            control.name == "createdGridNote") {
            EXPECT_TRUE(key.isEmpty()) << control.name;
            continue;
        }
        ASSERT_FALSE(key.isEmpty()) << control.name;
        const QChar letter = caption.at(caption.indexOf(u'&') + 1).toUpper();
        EXPECT_TRUE(letters.emplace(letter, std::string(control.name)).second)
            << control.name << " and " << letters[letter];
    }
}

// The commands without a button: a right click on anything but an edit
// field, Shift+F10 or the menu key (which the window system turns into a
// keyboard request to the control with the focus) open the window's menu.
TEST_F(KeyboardTest, TheWindowsMenuOpensEverywhereButInAnEditField) {
    const auto menuFor = [&](const std::function<void()>& ask) {
        // A menu may run its own loop or open and return: it is read and
        // closed from the event loop, whichever way it opened.
        QStringList items;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                for (const QAction* action : popup->actions()) {
                    if (!action->isSeparator()) {
                        items << action->text();
                    }
                }
                popup->close();
            }
        });
        closer.start(5);
        ask();
        QTest::qWait(30);
        return items;
    };
    const QStringList ours = {"&About KelmarPatrol...", "&Undo Last Changes..."};
    for (const char* name : {"careerList", "chooseCareerLabel", "baseGroup", "makeChangesButton",
                             "landBaseRadio", "autoRadarCheck", "createdGridNote"}) {
        auto& widget = Find<QWidget>(name);
        EXPECT_EQ(menuFor([&] {
                      QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(2, 2),
                                              widget.mapToGlobal(QPoint(2, 2)));
                      QCoreApplication::sendEvent(&widget, &click);
                  }),
                  ours)
            << name;
    }
    EXPECT_EQ(menuFor([&] {
                  QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(2, 2),
                                          window_->mapToGlobal(QPoint(2, 2)));
                  QCoreApplication::sendEvent(window_.get(), &click);
              }),
              ours);
    Find<QWidget>("careerList").setFocus();
    EXPECT_EQ(menuFor([&] { PressKey(Qt::Key_F10, Qt::ShiftModifier); }), ours);
    EXPECT_EQ(menuFor([&] {
                  QWidget* focus = QApplication::focusWidget();
                  QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(2, 2),
                                        focus->mapToGlobal(QPoint(2, 2)));
                  QCoreApplication::sendEvent(focus, &key);
              }),
              ours);
    Find<QWidget>("gridEdit").setFocus();
    const QStringList fieldMenu = menuFor([&] { PressKey(Qt::Key_F10, Qt::ShiftModifier); });
    EXPECT_FALSE(fieldMenu.isEmpty());
    EXPECT_NE(fieldMenu, ours);
}

TEST_F(KeyboardTest, ReadOnlyFieldsTakeTheFocusButNoTyping) {
    Find<QWidget>("daysEdit").setFocus();
    QTest::keyClicks(QApplication::focusWidget(), "99");
    EXPECT_EQ(FocusName(), "daysEdit");
    EXPECT_EQ(Text("daysEdit"), "31");
}

TEST_F(KeyboardTest, EnterOnCancelCancels) {
    Find<QWidget>("cancelButton").setFocus();
    PressKey(Qt::Key_Return);
    EXPECT_EQ(finished_, QDialog::Rejected);
    EXPECT_FALSE(window_->isVisible());
}

TEST_F(KeyboardTest, EscapeCancelsFromTheGridField) {
    ClickEntry(kAtHome);
    Find<QWidget>("gridEdit").setFocus();
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(finished_, QDialog::Rejected);
    EXPECT_TRUE(messages_.empty());
}

TEST_F(KeyboardTest, EscapeCancelsFromTheList) {
    ClickEntry(kAtHome);
    EXPECT_EQ(FocusName(), "careerList");
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(finished_, QDialog::Rejected);
}

TEST_F(KeyboardTest, TheCloseBoxCancels) {
    window_->close();
    QApplication::processEvents();
    EXPECT_EQ(finished_, QDialog::Rejected);
    EXPECT_FALSE(window_->isVisible());
}

// With a career loaded and its grid unchanged, "Make Changes" closes the
// window with OK and writes nothing; Enter must do just that.
class EnterKeyTest : public WindowTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(EnterKeyTest, EnterPressesMakeChanges) {
    ClickEntry(kAtHome);
    Find<QWidget>(GetParam()).setFocus();
    ASSERT_EQ(FocusName(), GetParam());
    PressKey(Qt::Key_Return);
    EXPECT_EQ(finished_, QDialog::Accepted);
    EXPECT_TRUE(messages_.empty());
}

INSTANTIATE_TEST_SUITE_P(FromEveryControlButCancel, EnterKeyTest,
                         ::testing::Values("makeChangesButton", "gridEdit", "daysEdit",
                                           "seaStatusEdit", "autoRadarCheck", "endDateEdit",
                                           "boatTypeEdit", "endLocationEdit", "careerList",
                                           "enteredMedCheck", "landBaseRadio"));

TEST_F(KeyboardTest, EnterWithoutACareerRunsMakeChangesWhichAsksForOne) {
    Find<QWidget>("gridEdit").setFocus();
    PressKey(Qt::Key_Return);
    EXPECT_EQ(messages_, std::vector<std::string>{kChooseCareer});
    EXPECT_FALSE(finished_.has_value());
}

TEST_F(KeyboardTest, ArrowKeysInTheListRunTheLoaderForEachEntryPassed) {
    ClickEntry(kAtBase);
    ASSERT_EQ(Text("gridEdit"), "----");
    PressKey(Qt::Key_Down);  // Broken: its loader complains
    EXPECT_EQ(messages_, std::vector<std::string>{NoNextPatrolFile()});
    PressKey(Qt::Key_Down);  // Home: loaded
    EXPECT_EQ(Text("gridEdit"), "BF17");
    EXPECT_EQ(Text("seaStatusEdit"), "At Home Base");
    EXPECT_EQ(messages_.size(), 1u);
}

}  // namespace
}  // namespace kp
