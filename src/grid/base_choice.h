// Where the boat takes on supplies before its next patrol: its land base, or
// one of three ocean tankers, each open only within its window of start dates.
#pragma once

#include <string_view>

#include "career/codes.h"

namespace kp {

struct ChosenBase {
    BaseDecision decision;
    std::string_view refusal;  // empty when the choice stands
};

// The land base always stands; a tanker is refused at the home base and
// outside its window, which sends the boat back to its land base.
ChosenBase ChooseBase(TankerChoice tankerChoice, SeaStatus seaStatus, YearMonth start);

}  // namespace kp
