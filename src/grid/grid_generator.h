#pragma once

namespace kp {

// The grid list for a boat's situation, or nullptr when none applies.
const int* SelectGridList(int theater, int tankerChoice, int boatClass, int startYear);

}  // namespace kp
