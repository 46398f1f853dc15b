// Where the boat takes on supplies before its next patrol: its land base, or
// one of three ocean tankers, each open only within its window of start dates.
#pragma once

#include <string_view>

namespace kp {

inline constexpr int kDaysAtLandBase = 31;
inline constexpr int kDaysAtTanker = 1;

struct BaseDecision {
    int tankerChoice;
    int daysInPort;
    std::string_view refusal;  // empty when the choice stands
};

// The land base always stands; a tanker is refused at the home base and
// outside its window, which sends the boat back to its land base.
BaseDecision ChooseBase(int tankerChoice, int seaStatus, int startYear, int startMonth);

}  // namespace kp
