#pragma once

#include "career/codes.h"

namespace kp {

inline constexpr int kNoRadarUpgrade = -1;

// The radar-warning equipment a boat may have by the date its last patrol ended.
int RadarUpgradeCode(BoatClass boatClass, YearMonth end);

}  // namespace kp
