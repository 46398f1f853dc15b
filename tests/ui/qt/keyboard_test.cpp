// Focus, Tab, Enter and Esc: the keys reach the same commands as the mouse.
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QImage>
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

// How many pixels differ between two pictures of one control.
int PixelsThatDiffer(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return a.width() * a.height();
    }
    int differ = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            differ += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
        }
    }
    return differ;
}

// Each tab stop looks other with the focus from the keyboard than once the
// focus has moved on. The default button, which the style draws alike, and
// the list, where it tints a thin outline, get a frame the eye finds: a
// quarter of their pixels or more change.
TEST_F(KeyboardTest, TheFocusCanBeSeenOnEveryTabStop) {
    const auto compare = [this](const QString& name, const QImage& withFocus) {
        const QImage without = Find<QWidget>(name.toLatin1().constData()).grab().toImage();
        const int differ = PixelsThatDiffer(withFocus, without);
        EXPECT_GT(differ, 0) << name.toStdString();
        if (name == "makeChangesButton" || name == "careerList") {
            EXPECT_GE(differ * 4, without.width() * without.height()) << name.toStdString();
        }
    };
    std::map<QString, QImage> withFocus;
    for (int i = 0; i < 12; ++i) {
        PressKey(Qt::Key_Tab);
        withFocus[FocusName()] = QApplication::focusWidget()->grab().toImage();
    }
    ASSERT_EQ(withFocus.size(), 12u);
    PressKey(Qt::Key_Tab);  // on to the first stop again, which is compared last
    const QString first = FocusName();
    for (const auto& [name, picture] : withFocus) {
        if (name != first) {
            compare(name, picture);
        }
    }
    PressKey(Qt::Key_Tab);
    compare(first, withFocus[first]);
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
        // On a busy machine the menu takes its time to open, and to close
        // again and hand the activation back: the next request waits for
        // both rather than for a fixed time.
        EXPECT_TRUE(QTest::qWaitFor([&] { return !items.isEmpty(); }));
        EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }));
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
    auto& list = Find<QWidget>("careerList");
    list.setFocus();
    EXPECT_EQ(menuFor([&] { PressKey(Qt::Key_F10, Qt::ShiftModifier); }), ours);
    // The menu key's request goes to the list, which has the focus: not to
    // the application's focus widget, which is none for a moment while the
    // closed menu hands the activation back to the window.
    EXPECT_EQ(menuFor([&] {
                  QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(2, 2),
                                        list.mapToGlobal(QPoint(2, 2)));
                  QCoreApplication::sendEvent(&list, &key);
              }),
              ours);
    Find<QWidget>("gridEdit").setFocus();
    const QStringList fieldMenu = menuFor([&] { PressKey(Qt::Key_F10, Qt::ShiftModifier); });
    EXPECT_FALSE(fieldMenu.isEmpty());
    EXPECT_NE(fieldMenu, ours);
}

TEST_F(KeyboardTest, ReadOnlyFieldsTakeTheFocusButNoTyping) {
    auto& days = Find<QWidget>("daysEdit");
    days.setFocus();
    QTest::keyClicks(&days, "99");
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

// Nothing is selected at the start: the first key chooses from the list's
// ends, and loads the career as a click does.
TEST_F(KeyboardTest, WithNothingSelectedDownUpAndHomeChooseTheFirstCareerAndEndTheLast) {
    const struct {
        Qt::Key key;
        int row;
    } cases[] = {{Qt::Key_Down, 0}, {Qt::Key_Up, 0}, {Qt::Key_Home, 0}, {Qt::Key_End, 3}};
    for (const auto& c : cases) {
        window_->SetListSelection(-1);
        Find<QWidget>("careerList").setFocus();
        PressKey(c.key);
        EXPECT_EQ(window_->ListSelection(), c.row) << c.key;
        EXPECT_EQ(Text("gridEdit"), c.row == 0 ? "----" : "AM52") << c.key;
    }
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
