#include "apply/radar_code.h"

#include <climits>

namespace kp {
namespace {

// Below every month a file can hold.
constexpr long long kAnyMonth = static_cast<long long>(INT_MIN) - 1;

struct RadarRow {
    int firstYear;
    int lastYear;
    long long monthAbove;  // the row holds for months greater than this
    int code;
};

// The first row that holds gives the code; 1942 and earlier get none.
constexpr RadarRow kRadarSchedule[] = {
    {1945, INT_MAX, kAnyMonth, 1283},
    {1944, 1944, 8, 1283},
    {1944, 1944, 3, 1282},
    {1944, 1944, 2, 1281},
    {1943, 1944, kAnyMonth, 1280},
};

}  // namespace

int RadarUpgradeCode(BoatClass boatClass, YearMonth end) {
    if (boatClass == BoatClass::kTypeXXIII) {
        return kNoRadarUpgrade;
    }
    for (const RadarRow& row : kRadarSchedule) {
        if (end.year >= row.firstYear && end.year <= row.lastYear && end.month > row.monthAbove) {
            return row.code;
        }
    }
    return kNoRadarUpgrade;
}

}  // namespace kp
