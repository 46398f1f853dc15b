#include "apply/return_date.h"

#include <climits>
#include <cstdint>

namespace kp {
namespace {

// No leap years: the simulation's calendar has none.
constexpr int kDaysInMonth[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Worked in 64 bits, so that no value a file may hold overflows on the way.
struct WideDate {
    std::int64_t day;
    int month;
    std::int64_t year;
};

void CarryIntoNextMonth(WideDate& date) {
    if (date.day > kDaysInMonth[date.month]) {
        date.day -= kDaysInMonth[date.month];
        if (++date.month > 12) {
            date.month -= 12;
            ++date.year;
        }
    }
}

bool FitsInt(std::int64_t value) {
    return value >= INT_MIN && value <= INT_MAX;
}

}  // namespace

void ShiftReturnDate(WorkingDate& date, int daysInPort, RandomSource& random) {
    const int extra = random.NextScaled(2);
    if (date.month < 1 || date.month > 12) {
        return;
    }
    WideDate wide{static_cast<std::int64_t>(date.day) + daysInPort + extra, date.month, date.year};
    CarryIntoNextMonth(wide);
    if (--wide.month < 1) {
        wide.month += 12;
        --wide.year;
    }
    CarryIntoNextMonth(wide);
    // A day or year beyond what the files can hold stays as loaded.
    if (FitsInt(wide.day) && FitsInt(wide.year)) {
        date = {static_cast<int>(wide.day), wide.month, static_cast<int>(wide.year)};
    }
}

}  // namespace kp
