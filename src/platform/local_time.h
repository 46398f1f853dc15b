// A moment as the clock on the user's wall shows it, with the offset from
// UTC the system applies there at that moment.
#pragma once

#include <cstdint>

namespace kp {

struct LocalTime {
    int year = 1970;
    int month = 1;  // 1 to 12
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int offsetMinutes = 0;  // east of UTC
};

LocalTime ToLocalTime(std::int64_t secondsSince1970);

}  // namespace kp
