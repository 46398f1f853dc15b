// The days in port are checked once the grid is accepted: 1 to 40 pass.
#include <gtest/gtest.h>

#include "app/program_start.h"
#include "career_fixture.h"
#include "memory_controls.h"
#include "ui/patrol_dialog.h"

namespace kp {
namespace {

const std::string kNextPatrol = Crlf(
    "[INIT]\nPatrols=1\n[PATROL 001]\nEndLocation=753\nSubType=1\nSubVersion=1\n"
    "PatrolArea=BF17\nStartYear=1942\nStartMonth=6\nStartDay=1\nNbDaysInBase=31\n");
const std::string kHistory =
    Crlf("[INIT]\nPatrols=1\n[PATROL 000]\nEndDay=12\nEndMonth=5\nEndYear=1942\n");

struct DaysCase {
    const char* days;
    bool accepted;
};

TEST(DaysInPort, OnlyOneToFortyAreApplied) {
    const DaysCase cases[] = {
        {"0", false}, {"41", false}, {"-3", false}, {"1", true}, {"40", true}};
    for (const DaysCase& c : cases) {
        ScratchFolder cfg;
        const auto career = cfg.Path() / "careers" / "Hartmann";
        WriteFile(career / "patrols_0.cfg", kNextPatrol);
        WriteFile(career / "patrols.cfg", kHistory);
        MemoryControls controls;
        RandomSource random;
        CKelmarPatrol2Dlg dialog(SystemFileOps(), random);
        ASSERT_TRUE(SeedAndFindCareers(dialog, random, 1, SystemFileOps(), cfg.Path()));
        dialog.Attach(controls);
        dialog.OnInitDialog();
        controls.SetListSelection(0);
        dialog.OnSelchangeCareerList();
        controls.SetChecked(CheckBox::AutoRadarUpdate, false);

        controls.TypeGrid("ES32");
        controls.SetFieldText(Field::DaysInPort, c.days);
        dialog.OnOK();
        if (c.accepted) {
            EXPECT_EQ(controls.Messages().back(), "Job Done.") << c.days;
            EXPECT_EQ(controls.Result(), DialogResult::Ok) << c.days;
            EXPECT_NE(ReadFile(career / "patrols_0.cfg"), kNextPatrol) << c.days;
        } else {
            EXPECT_EQ(controls.Messages().back(), "Days in base must lie between 1 and 40.")
                << c.days;
            EXPECT_FALSE(controls.Result()) << c.days;
            EXPECT_EQ(ReadFile(career / "patrols_0.cfg"), kNextPatrol) << c.days;
        }
    }
}

}  // namespace
}  // namespace kp
