#include "apply/radar_code.h"

#include <gtest/gtest.h>

#include <climits>

#include "career/codes.h"

namespace kp {
namespace {

TEST(RadarCode, FollowsTheScheduleOfTheLastPatrolsEnd) {
    struct Case {
        int year;
        int month;
        int code;
    };
    const Case cases[] = {
        {1942, 12, -1},   {1941, 6, -1},    {-1, -1, -1},    {1943, 1, 1280},
        {1943, 12, 1280}, {1944, 1, 1280},  {1944, 2, 1280}, {1944, 0, 1280},
        {1944, 3, 1281},  {1944, 4, 1282},  {1944, 8, 1282}, {1944, 9, 1283},
        {1944, 12, 1283}, {1944, 13, 1283}, {1945, 1, 1283}, {1946, 5, 1283},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RadarUpgradeCode(BoatClass::kTypeVII, {c.year, c.month}), c.code)
            << c.month << "/" << c.year;
    }
}

TEST(RadarCode, TypeXXIIIGetsNoneWhateverTheDate) {
    EXPECT_EQ(RadarUpgradeCode(BoatClass::kTypeXXIII, {1945, 3}), kNoRadarUpgrade);
    EXPECT_EQ(RadarUpgradeCode(BoatClass::kTypeXXI, {1945, 3}), 1283);
}

}  // namespace
}  // namespace kp
