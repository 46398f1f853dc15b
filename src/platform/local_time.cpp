#include "platform/local_time.h"

#include <chrono>
#include <ctime>

namespace kp {
namespace {

// The seconds the broken-down time would be if it were UTC; its difference
// from the moment is the offset, without timegm or tm_gmtoff, which not
// every C library has.
std::int64_t AsIfUtc(const std::tm& local) {
    using namespace std::chrono;
    const sys_days day{year{local.tm_year + 1900} / month{static_cast<unsigned>(local.tm_mon + 1)} /
                       static_cast<unsigned>(local.tm_mday)};
    return day.time_since_epoch().count() * 86400LL + local.tm_hour * 3600LL + local.tm_min * 60LL +
           local.tm_sec;
}

}  // namespace

LocalTime ToLocalTime(std::int64_t secondsSince1970) {
    const std::time_t moment = static_cast<std::time_t>(secondsSince1970);
    std::tm local{};
#ifdef _WIN32
    const bool known = localtime_s(&local, &moment) == 0;
#else
    const bool known = localtime_r(&moment, &local) != nullptr;
#endif
    if (!known) {
        // A moment the system cannot place is shown in UTC, which it always can.
        const auto day = std::chrono::floor<std::chrono::days>(
            std::chrono::sys_seconds{std::chrono::seconds{secondsSince1970}});
        const std::chrono::year_month_day date{day};
        const std::int64_t rest = secondsSince1970 - day.time_since_epoch().count() * 86400LL;
        return {static_cast<int>(date.year()),
                static_cast<int>(static_cast<unsigned>(date.month())),
                static_cast<int>(static_cast<unsigned>(date.day())),
                static_cast<int>(rest / 3600),
                static_cast<int>(rest / 60 % 60),
                static_cast<int>(rest % 60),
                0};
    }
    return {local.tm_year + 1900,
            local.tm_mon + 1,
            local.tm_mday,
            local.tm_hour,
            local.tm_min,
            local.tm_sec,
            static_cast<int>((AsIfUtc(local) - secondsSince1970) / 60)};
}

}  // namespace kp
