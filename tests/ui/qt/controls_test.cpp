// Where the window's widgets differ from Qt's defaults to behave as the
// platform's controls the program was made for.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QtTest/QTest>
#include <filesystem>

#include "ui/qt/utf8_text.h"
#include "window_fixture.h"

namespace kp {
namespace {

using ControlsTest = WindowTest;

// Selects the grid field's text and types, as a user does.
void TypeIntoGrid(QLineEdit& grid, const QString& text) {
    QTest::keyClick(&grid, Qt::Key_A, Qt::ControlModifier);
    for (const char32_t code : text.toUcs4()) {
        QTest::sendKeyEvent(QTest::Click, &grid, Qt::Key_unknown, QString::fromUcs4(&code, 1),
                            Qt::NoModifier);
    }
}

TEST_F(ControlsTest, TheGridFieldRefusesTheSixthTypedCharacter) {
    auto& grid = Find<QLineEdit>("gridEdit");
    TypeIntoGrid(grid, "ABCDEFG");
    EXPECT_EQ(grid.text(), "ABCDE");
}

TEST_F(ControlsTest, TheGridLimitCountsCharactersNotCodeUnits) {
    auto& grid = Find<QLineEdit>("gridEdit");
    TypeIntoGrid(grid, QString::fromUtf8("ÄÖÜ\U0001D538é12"));
    EXPECT_EQ(grid.text(), QString::fromUtf8("ÄÖÜ\U0001D538é"));
}

TEST_F(ControlsTest, TheGridFieldShowsLongerProgramTextWholeAndOnlyLetsTheUserShortenIt) {
    auto& grid = Find<QLineEdit>("gridEdit");
    window_->SetFieldText(Field::Grid, "ABCDEFGHI");
    EXPECT_EQ(grid.text(), "ABCDEFGHI");
    EXPECT_EQ(window_->FieldText(Field::Grid), "ABCDEFGHI");

    grid.setFocus();
    QTest::keyClick(&grid, Qt::Key_End);
    QTest::keyClicks(&grid, "J");
    EXPECT_EQ(grid.text(), "ABCDEFGHI");
    QTest::keyClick(&grid, Qt::Key_Backspace);
    EXPECT_EQ(grid.text(), "ABCDEFGH");
    QTest::keyClicks(&grid, "K");
    EXPECT_EQ(grid.text(), "ABCDEFGH");
    grid.setSelection(0, 1);
    QTest::keyClicks(&grid, "Z");
    EXPECT_EQ(grid.text(), "ABCDEFGH");

    TypeIntoGrid(grid, "XY");
    EXPECT_EQ(grid.text(), "XY");
}

TEST_F(ControlsTest, TextTheProgramSetsShowsFromItsStartAlsoWhereItIsWiderThanTheField) {
    const std::string wide = "At Home Base, at Home Base, at Home Base";
    for (const Field field : {Field::Grid, Field::SeaStatus, Field::EndLocation}) {
        window_->SetFieldText(field, wide);
    }
    for (const char* name : {"gridEdit", "seaStatusEdit", "endLocationEdit"}) {
        const auto& edit = Find<QLineEdit>(name);
        ASSERT_GT(edit.fontMetrics().horizontalAdvance(edit.text()), edit.width()) << name;
        EXPECT_EQ(edit.cursorPosition(), 0) << name;
    }
}

TEST_F(ControlsTest, APushSelectsTheEntryWithoutRunningTheLoader) {
    dialog_.m_strCareer = ToUtf8(kBroken);
    dialog_.UpdateData(false);
    EXPECT_EQ(window_->ListSelection(), 1);
    EXPECT_EQ(List().currentItem()->text(), kBroken);
    window_->SetListSelection(3);
    EXPECT_EQ(window_->ListSelection(), 3);
    EXPECT_TRUE(messages_.empty());
}

TEST_F(ControlsTest, EveryClickOnAnEntryRunsTheLoaderAlsoOnTheSelectedOne) {
    ClickEntry(kBroken);
    ClickEntry(kBroken);
    EXPECT_EQ(messages_, (std::vector<std::string>{NoNextPatrolFile(), NoNextPatrolFile()}));
}

// A career shown selected that could not be read is read again at "Make
// Changes", so the player hears which file is wrong, or sees it mended,
// instead of being asked for the career the list shows.
TEST_F(ControlsTest, MakeChangesReadsAgainTheCareerThatCouldNotBeRead) {
    ClickEntry(kBroken);
    Click("makeChangesButton");
    EXPECT_EQ(messages_, (std::vector<std::string>{NoNextPatrolFile(), NoNextPatrolFile()}));
    const std::filesystem::path careers = folder_.Path() / "careers";
    std::filesystem::copy_file(careers / "Home" / "patrols_0.cfg",
                               careers / "Broken" / "patrols_0.cfg");
    Click("makeChangesButton");
    EXPECT_EQ(messages_.size(), 2u);
    EXPECT_EQ(Text("gridEdit"), "BF17");
    EXPECT_FALSE(finished_.has_value());
}

TEST_F(ControlsTest, AClickOnTheSelectedEntryReloadsItAndControlClickDoesNotClearIt) {
    ClickEntry(kAtHome);
    TypeIntoGrid(Find<QLineEdit>("gridEdit"), "AB12");
    ClickEntry(kAtHome, Qt::ControlModifier);
    EXPECT_EQ(Text("gridEdit"), "BF17");
    EXPECT_EQ(window_->ListSelection(), 2);
}

TEST_F(ControlsTest, ClickingTheCheckedRadioButtonAgainRunsItsHandlerAgain) {
    ASSERT_TRUE(Find<QRadioButton>("landBaseRadio").isChecked());
    Click("landBaseRadio");
    Click("landBaseRadio");
    EXPECT_EQ(messages_, (std::vector<std::string>{kChooseCareer, kChooseCareer}));
}

TEST_F(ControlsTest, EachRadioButtonRunsItsOwnHandler) {
    ClickEntry(kAtHome);  // at home base: every tanker is refused
    for (const char* tanker : {"tankerNorthRadio", "tankerMidRadio", "tankerSouthRadio"}) {
        Click(tanker);
    }
    EXPECT_EQ(messages_, std::vector<std::string>(3, "Cannot be a U-tanker at Home Base!"));
    ClickEntry(kAtBase);  // June 1942: only the north tanker is in its window
    Click("tankerNorthRadio");
    EXPECT_EQ(Text("daysEdit"), "1");
    Click("landBaseRadio");
    EXPECT_EQ(Text("daysEdit"), "31");
    EXPECT_EQ(messages_.size(), 3u);
}

TEST_F(ControlsTest, ARefusedTankerLooksSelectedWhileItsMessageShows) {
    ClickEntry(kAtHome);
    bool tankerShown = false;
    whileMessageShows_ = [&] { tankerShown = Find<QRadioButton>("tankerNorthRadio").isChecked(); };
    Click("tankerNorthRadio");
    EXPECT_TRUE(tankerShown);
    EXPECT_TRUE(Find<QRadioButton>("landBaseRadio").isChecked());
    EXPECT_FALSE(Find<QRadioButton>("tankerNorthRadio").isChecked());
}

TEST_F(ControlsTest, TheProgramCanClearAllFourRadioButtons) {
    window_->SetRadioIndex(-1);
    EXPECT_EQ(window_->RadioIndex(), -1);
    for (const char* name :
         {"landBaseRadio", "tankerNorthRadio", "tankerMidRadio", "tankerSouthRadio"}) {
        EXPECT_FALSE(Find<QRadioButton>(name).isChecked()) << name;
    }
    window_->SetRadioIndex(2);
    EXPECT_EQ(window_->RadioIndex(), 2);
    EXPECT_TRUE(Find<QRadioButton>("tankerMidRadio").isChecked());

    // Cleared again, the group still lets the user check one, and only one.
    window_->SetRadioIndex(-1);
    Click("tankerSouthRadio");
    Click("tankerNorthRadio");
    EXPECT_EQ(window_->RadioIndex(), 1);
    EXPECT_FALSE(Find<QRadioButton>("tankerSouthRadio").isChecked());
}

TEST_F(ControlsTest, CheckBoxClicksReachTheirHandlers) {
    Click("autoRadarCheck");
    EXPECT_FALSE(Find<QCheckBox>("autoRadarCheck").isChecked());
    EXPECT_EQ(dialog_.m_bAutoRadarUpdate, 0);
    Click("autoRadarCheck");
    EXPECT_TRUE(Find<QCheckBox>("autoRadarCheck").isChecked());
    EXPECT_EQ(dialog_.m_bAutoRadarUpdate, 1);

    // Its handler keeps the member in step, so a push leaves the tick alone.
    Click("enteredMedCheck");
    EXPECT_TRUE(window_->IsChecked(CheckBox::EnteredMed));
    EXPECT_EQ(dialog_.m_bEnteredMed, 1);
    dialog_.UpdateData(false);
    EXPECT_TRUE(window_->IsChecked(CheckBox::EnteredMed));
}

TEST_F(ControlsTest, CareerNamesBeyondAsciiAreShownAndLoaded) {
    ASSERT_EQ(List().count(), 4);
    EXPECT_EQ(List().item(3)->text(), kUmlaut);
    EXPECT_EQ(window_->ListEntry(3), "M\xC3\xBCller");
    ClickEntry(kUmlaut);
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(dialog_.m_strCareer, "M\xC3\xBCller");
    EXPECT_EQ(Text("gridEdit"), "AM52");
    EXPECT_EQ(Text("boatTypeEdit"), "Type VIIC");
}

// A Latin-1 career name and a stray byte in a patrol area cannot be shown as
// they are; they must come back as they went in, or the career's files are
// not found and an untouched grid reads as changed.
TEST_F(ControlsTest, TextThatIsNoUtf8ComesBackAsTheProgramGaveIt) {
    const std::string latin1Name = "K\xE4lmar";
    window_->AppendListEntry(latin1Name);
    EXPECT_EQ(window_->ListEntry(window_->ListCount() - 1), latin1Name);

    const std::string area = "\xC9S32";
    window_->SetFieldText(Field::Grid, area);
    EXPECT_EQ(window_->FieldText(Field::Grid), area);
    auto& grid = Find<QLineEdit>("gridEdit");
    TypeIntoGrid(grid, "ES32");
    EXPECT_EQ(window_->FieldText(Field::Grid), "ES32");
}

}  // namespace
}  // namespace kp
