// The dialog opening on the careers start-up listed, and the check boxes' handlers.
#include <gtest/gtest.h>

#include "dialog_fixture.h"

namespace kp {
namespace {

class DialogOpening : public ::testing::Test, protected DialogFixture {};

TEST_F(DialogOpening, ListsTheCareersWithNothingSelected) {
    dlg.m_strCareerNames[0] = "Zeta";
    dlg.m_strCareerNames[1] = "Alpha";
    dlg.m_strCareerNames[2] = "Mu";
    dlg.m_strCareerNames[3] = "not counted";
    dlg.m_nCareerCount = 3;
    dlg.m_strCareer = "Alpha";
    dlg.m_nDaysInPort = 31;
    dlg.m_nTankerChoice = TankerChoice::kLandBase;
    dlg.m_bAutoRadarUpdate = 0;
    EXPECT_TRUE(dlg.OnInitDialog());
    ASSERT_EQ(controls.ListCount(), 3);
    EXPECT_EQ(controls.ListEntry(0), "Zeta");
    EXPECT_EQ(controls.ListEntry(1), "Alpha");
    EXPECT_EQ(controls.ListEntry(2), "Mu");
    EXPECT_EQ(controls.ListSelection(), -1);  // the list was empty when the state was shown
    EXPECT_EQ(controls.FieldText(Field::DaysInPort), "31");
    EXPECT_EQ(controls.RadioIndex(), 0);
    EXPECT_EQ(dlg.m_bAutoRadarUpdate, 1);
    EXPECT_TRUE(controls.Messages().empty());
}

TEST_F(DialogOpening, CheckBoxHandlers) {
    EXPECT_EQ(dlg.m_bAutoRadarUpdate, 1);
    dlg.OnAutoRadarUpdate();
    EXPECT_EQ(dlg.m_bAutoRadarUpdate, 0);
    dlg.OnAutoRadarUpdate();
    EXPECT_EQ(dlg.m_bAutoRadarUpdate, 1);
    dlg.m_bAutoRadarUpdate = 7;
    dlg.OnAutoRadarUpdate();
    EXPECT_EQ(dlg.m_bAutoRadarUpdate, 1);
    dlg.OnEnteredMed();
    EXPECT_EQ(dlg.m_bEnteredMed, 1);
    dlg.OnEnteredMed();
    EXPECT_EQ(dlg.m_bEnteredMed, 0);
}

}  // namespace
}  // namespace kp
