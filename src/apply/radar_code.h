#pragma once

namespace kp {

inline constexpr int kNoRadarUpgrade = -1;

// The radar-warning equipment a boat may have by the date its last patrol ended.
int RadarUpgradeCode(int boatClass, int endYear, int endMonth);

}  // namespace kp
