#include "apply/return_date.h"

namespace kp {
namespace {

// No leap years: the simulation's calendar has none.
constexpr int kDaysInMonth[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

void CarryIntoNextMonth(WorkingDate& date) {
    if (date.day > kDaysInMonth[date.month]) {
        date.day -= kDaysInMonth[date.month];
        if (++date.month > 12) {
            date.month -= 12;
            ++date.year;
        }
    }
}

}  // namespace

void ShiftReturnDate(WorkingDate& date, int daysInPort, RandomSource& random) {
    const int extra = random.NextScaled(2);
    if (date.month < 1 || date.month > 12) {
        return;
    }
    date.day += daysInPort + extra;
    CarryIntoNextMonth(date);
    if (--date.month < 1) {
        date.month += 12;
        --date.year;
    }
    CarryIntoNextMonth(date);
}

}  // namespace kp
