// The days in port are checked once the grid is accepted: 1 to 40 pass.
#include "apply/apply_changes.h"

#include <gtest/gtest.h>

#include <string_view>

#include "career_fixture.h"
#include "career_texts.h"
#include "dialog_fixture.h"
#include "memory_file_ops.h"

namespace kp {
namespace {

constexpr std::string_view kBadDays = "Days in base must lie between 1 and 40.";

TEST(CheckEntries, OnlyOneToFortyDaysInPortPass) {
    const struct {
        int days;
        std::string_view refusal;
    } cases[] = {{0, kBadDays}, {41, kBadDays}, {-3, kBadDays}, {1, ""}, {40, ""}};
    for (const auto& c : cases) {
        std::string grid = "ES32";
        EXPECT_EQ(CheckEntries(grid, c.days), c.refusal) << c.days;
    }
}

TEST(CheckEntries, TheDialogShowsTheRefusalAndWritesNothing) {
    MemoryFileOps files;
    files.Put("/cfg/careers/Hartmann/patrols_0.cfg", Crlf(NextPatrolText(kNextTarget, 1)));
    files.Put("/cfg/careers/Hartmann/patrols.cfg", Crlf(HistoryText(kLastPatrol, 1)));
    const auto before = files.Files();
    DialogFixture ui(files);
    ASSERT_TRUE(ui.Open("/cfg"));
    ui.Select("Hartmann");
    ui.controls.TypeGrid("ES32");
    ui.controls.SetFieldText(Field::DaysInPort, "41");
    ui.dlg.OnOK();
    EXPECT_EQ(ui.controls.Messages().back(), kBadDays);
    EXPECT_FALSE(ui.controls.Result());
    EXPECT_EQ(files.Files(), before);
}

}  // namespace
}  // namespace kp
