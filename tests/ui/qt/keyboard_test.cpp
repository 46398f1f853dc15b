// Focus, Tab, Enter and Esc: the keys reach the same commands as the mouse.
#include <QApplication>
#include <QStringList>
#include <QWidget>
#include <QtTest/QTest>

#include "window_fixture.h"

namespace kp {
namespace {

using KeyboardTest = WindowTest;

TEST_F(KeyboardTest, FocusStartsOnMakeChanges) {
    EXPECT_EQ(FocusName(), "makeChangesButton");
}

TEST_F(KeyboardTest, TabVisitsTheTabStopsInTemplateOrderAndSkipsTheRadioButtons) {
    const QStringList expected = {"cancelButton",    "gridEdit",         "daysEdit",
                                  "seaStatusEdit",   "autoRadarCheck",   "endDateEdit",
                                  "boatTypeEdit",    "endLocationEdit",  "careerList",
                                  "enteredMedCheck", "makeChangesButton"};
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        PressKey(Qt::Key_Tab);
        visited << FocusName();
    }
    EXPECT_EQ(visited, expected);

    PressKey(Qt::Key_Backtab);
    EXPECT_EQ(FocusName(), "enteredMedCheck");
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
    EXPECT_EQ(messages_, std::vector<std::string>{kNoNextPatrolFile});
    PressKey(Qt::Key_Down);  // Home: loaded
    EXPECT_EQ(Text("gridEdit"), "BF17");
    EXPECT_EQ(Text("seaStatusEdit"), "At Home Base");
    EXPECT_EQ(messages_.size(), 1u);
}

}  // namespace
}  // namespace kp
