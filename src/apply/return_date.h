#pragma once

#include "grid/random_source.h"

namespace kp {

struct WorkingDate {
    int day;
    int month;  // 1 to 12
    int year;
};

// Moves the last patrol's end date by the days in port and 0 to 2 random
// days, the way the simulation's calendar of 28-day Februaries needs it.
// One number is drawn in every case; a month outside 1 to 12 stays unmoved.
void ShiftReturnDate(WorkingDate& date, int daysInPort, RandomSource& random);

}  // namespace kp
