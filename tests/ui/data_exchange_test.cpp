// The exchange between the dialog state and the window's controls.
#include <gtest/gtest.h>

#include <string>

#include "dialog_fixture.h"

namespace kp {
namespace {

const std::string kTooLong = "Please enter no more than 5 characters.";
const std::string kNotInteger = "Please enter an integer.";

class DataExchange : public ::testing::Test, protected DialogFixture {
  protected:
    void SetUp() override {
        for (const char* name : {"Alpha", "alpha", "Alp", "Beta"}) {
            controls.AppendListEntry(name);
        }
    }

    // Controls holding a complete, valid set of values.
    void FillControls() {
        controls.SetFieldText(Field::Grid, "AM52*");
        controls.SetListSelection(3);
        controls.SetFieldText(Field::EndDate, "12 March 1941");
        controls.SetFieldText(Field::EndLocation, "Brest");
        controls.SetFieldText(Field::DaysInPort, "17");
        controls.SetFieldText(Field::BoatType, "Type VIIC");
        controls.SetRadioIndex(2);
        controls.SetFieldText(Field::SeaStatus, "At Sea");
        controls.SetChecked(CheckBox::AutoRadarUpdate, false);
        controls.SetChecked(CheckBox::EnteredMed, true);
    }

    // Members that no control holds, to see which steps a refused pull reached.
    void MarkMembers() {
        dlg.m_strCareer = "old career";
        dlg.m_strEndDate = "old date";
        dlg.m_strEndLocation = "old base";
        dlg.m_nDaysInPort = 99;
        dlg.m_strBoatType = "old boat";
        dlg.m_nTankerChoice = TankerChoice::kSouth;
        dlg.m_strSeaStatus = "old status";
        dlg.m_bAutoRadarUpdate = 1;
        dlg.m_bEnteredMed = 0;
    }
};

TEST_F(DataExchange, PushShowsEveryMember) {
    dlg.m_strGrid = "ABCDEFG";  // text the program sets is shown whole
    dlg.m_strCareer = "Beta";
    dlg.m_strEndDate = "12 March 1941";
    dlg.m_strEndLocation = "Brest";
    dlg.m_nDaysInPort = -12;
    dlg.m_strBoatType = "Type IXC";
    dlg.m_nTankerChoice = TankerChoice::kMid;
    dlg.m_strSeaStatus = "At Base";
    dlg.m_bAutoRadarUpdate = 0;
    dlg.m_bEnteredMed = 1;
    EXPECT_TRUE(dlg.UpdateData(false));
    EXPECT_EQ(controls.FieldText(Field::Grid), "ABCDEFG");
    EXPECT_EQ(controls.GridTypingLimit(), 5);
    EXPECT_EQ(controls.ListSelection(), 3);
    EXPECT_EQ(controls.FieldText(Field::EndDate), "12 March 1941");
    EXPECT_EQ(controls.FieldText(Field::EndLocation), "Brest");
    EXPECT_EQ(controls.FieldText(Field::DaysInPort), "-12");
    EXPECT_EQ(controls.FieldText(Field::BoatType), "Type IXC");
    EXPECT_EQ(controls.RadioIndex(), 2);
    EXPECT_EQ(controls.FieldText(Field::SeaStatus), "At Base");
    EXPECT_FALSE(controls.IsChecked(CheckBox::AutoRadarUpdate));
    EXPECT_TRUE(controls.IsChecked(CheckBox::EnteredMed));

    dlg.m_bAutoRadarUpdate = 1;
    dlg.m_bEnteredMed = 0;
    dlg.m_nTankerChoice = TankerChoice::kNone;  // clears all four
    dlg.m_strGrid = "";
    EXPECT_TRUE(dlg.UpdateData(false));
    EXPECT_TRUE(controls.IsChecked(CheckBox::AutoRadarUpdate));
    EXPECT_FALSE(controls.IsChecked(CheckBox::EnteredMed));
    EXPECT_EQ(controls.RadioIndex(), -1);
    EXPECT_EQ(controls.FieldText(Field::Grid), "");
    EXPECT_TRUE(controls.Messages().empty());
}

TEST_F(DataExchange, PushSelectsTheCareerWithExactlyThatName) {
    const struct {
        const char* career;
        int selection;  // the selection was 3 before the push
    } cases[] = {
        {"Alpha", 0}, {"alpha", 1}, {"Alp", 2},   {"Beta", 3},  {"ALPHA", 3},
        {"Al", 3},    {"", 3},      {"Beta ", 3}, {"Gamma", 3},
    };
    for (const auto& c : cases) {
        controls.SetListSelection(3);
        dlg.m_strCareer = c.career;
        dlg.UpdateData(false);
        EXPECT_EQ(controls.ListSelection(), c.selection) << '"' << c.career << '"';
    }
    controls.SetListSelection(-1);
    dlg.m_strCareer = "Gamma";
    dlg.UpdateData(false);
    EXPECT_EQ(controls.ListSelection(), -1);
}

TEST_F(DataExchange, PullReadsEveryControl) {
    MarkMembers();
    FillControls();
    EXPECT_TRUE(dlg.UpdateData(true));
    EXPECT_EQ(dlg.m_strGrid, "AM52*");
    EXPECT_EQ(dlg.m_strCareer, "Beta");
    EXPECT_EQ(dlg.m_strEndDate, "12 March 1941");
    EXPECT_EQ(dlg.m_strEndLocation, "Brest");
    EXPECT_EQ(dlg.m_nDaysInPort, 17);
    EXPECT_EQ(dlg.m_strBoatType, "Type VIIC");
    // The radio group shows the base buttons' decision; it is not taken back.
    EXPECT_EQ(dlg.m_nTankerChoice, TankerChoice::kSouth);
    EXPECT_EQ(dlg.m_strSeaStatus, "At Sea");
    EXPECT_EQ(dlg.m_bAutoRadarUpdate, 0);
    EXPECT_EQ(dlg.m_bEnteredMed, 1);
    EXPECT_TRUE(controls.Messages().empty());

    controls.SetListSelection(-1);
    controls.SetRadioIndex(-1);
    controls.SetChecked(CheckBox::AutoRadarUpdate, true);
    controls.SetChecked(CheckBox::EnteredMed, false);
    EXPECT_TRUE(dlg.UpdateData(true));
    EXPECT_EQ(dlg.m_strCareer, "");
    EXPECT_EQ(dlg.m_nTankerChoice, TankerChoice::kSouth);
    EXPECT_EQ(dlg.m_bAutoRadarUpdate, 1);
    EXPECT_EQ(dlg.m_bEnteredMed, 0);
}

TEST_F(DataExchange, GridOfMoreThanFiveCharactersStopsThePull) {
    for (const char* accepted : {"", "AB", "AM52*", "\xC3\x84\xC3\x96\xC3\x9C\xC3\x84\xC3\x96"}) {
        FillControls();
        controls.SetFieldText(Field::Grid, accepted);
        EXPECT_TRUE(dlg.UpdateData(true)) << accepted;
        EXPECT_EQ(dlg.m_strGrid, accepted);
    }
    EXPECT_TRUE(controls.Messages().empty());

    for (const char* refused :
         {"AM52**", "ABCDEFGH", "\xC3\x84\xC3\x96\xC3\x9C\xC3\x84\xC3\x96X"}) {
        FillControls();
        MarkMembers();
        controls.SetFieldText(Field::Grid, refused);
        const std::size_t before = controls.Messages().size();
        EXPECT_FALSE(dlg.UpdateData(true)) << refused;
        ASSERT_EQ(controls.Messages().size(), before + 1) << refused;
        EXPECT_EQ(controls.Messages().back(), kTooLong);
        EXPECT_EQ(controls.Focus(), Field::Grid);
        // Nothing after the grid was taken.
        EXPECT_EQ(dlg.m_strCareer, "old career");
        EXPECT_EQ(dlg.m_strEndDate, "old date");
        EXPECT_EQ(dlg.m_nDaysInPort, 99);
        EXPECT_EQ(dlg.m_nTankerChoice, TankerChoice::kSouth);
        EXPECT_EQ(dlg.m_bEnteredMed, 0);
    }
}

TEST_F(DataExchange, DaysMustBeginWithAnInteger) {
    const struct {
        const char* text;
        int days;
    } accepted[] = {{"7", 7}, {"-3", -3}, {" 12", 12}, {"+4", 4}, {"31 days", 31}, {"007", 7}};
    for (const auto& c : accepted) {
        FillControls();
        controls.SetFieldText(Field::DaysInPort, c.text);
        EXPECT_TRUE(dlg.UpdateData(true)) << c.text;
        EXPECT_EQ(dlg.m_nDaysInPort, c.days) << c.text;
    }
    EXPECT_TRUE(controls.Messages().empty());

    for (const char* refused : {"", " ", "x", "-", "+", "- 1", "x1", ".5"}) {
        FillControls();
        MarkMembers();
        controls.SetFieldText(Field::DaysInPort, refused);
        const std::size_t before = controls.Messages().size();
        EXPECT_FALSE(dlg.UpdateData(true)) << '"' << refused << '"';
        ASSERT_EQ(controls.Messages().size(), before + 1);
        EXPECT_EQ(controls.Messages().back(), kNotInteger);
        EXPECT_EQ(controls.Focus(), Field::DaysInPort);
        // The steps before the days were taken, the later ones not.
        EXPECT_EQ(dlg.m_strCareer, "Beta");
        EXPECT_EQ(dlg.m_strEndDate, "12 March 1941");
        EXPECT_EQ(dlg.m_strEndLocation, "Brest");
        EXPECT_EQ(dlg.m_nDaysInPort, 99);
        EXPECT_EQ(dlg.m_strBoatType, "old boat");
        EXPECT_EQ(dlg.m_nTankerChoice, TankerChoice::kSouth);
        EXPECT_EQ(dlg.m_strSeaStatus, "old status");
        EXPECT_EQ(dlg.m_bAutoRadarUpdate, 1);
        EXPECT_EQ(dlg.m_bEnteredMed, 0);
    }
}

}  // namespace
}  // namespace kp
