#include "apply/radar_code.h"

#include <climits>

#include "career/codes.h"

namespace kp {
namespace {

struct RadarRow {
    int firstYear;
    int lastYear;
    int monthAbove;  // the row holds for months greater than this
    int code;
};

// The first row that holds gives the code; 1942 and earlier get none.
constexpr RadarRow kRadarSchedule[] = {
    {1945, INT_MAX, INT_MIN, 1283}, {1944, 1944, 8, 1283},       {1944, 1944, 3, 1282},
    {1944, 1944, 2, 1281},          {1943, 1944, INT_MIN, 1280},
};

}  // namespace

int RadarUpgradeCode(int boatClass, int endYear, int endMonth) {
    if (boatClass == BoatClass::kTypeXXIII) {
        return kNoRadarUpgrade;
    }
    for (const RadarRow& row : kRadarSchedule) {
        if (endYear >= row.firstYear && endYear <= row.lastYear && endMonth > row.monthAbove) {
            return row.code;
        }
    }
    return kNoRadarUpgrade;
}

}  // namespace kp
