// The simulation's boat, base and month codes turned into texts and codes.
#pragma once

#include <string_view>

#include "career/codes.h"

namespace kp {

struct BoatInfo {
    std::string_view type;
    BoatClass boatClass;
};

struct BaseInfo {
    std::string_view name;
    Theater theater;
};

BoatInfo LookUpBoat(int subType, int subVersion);
// Base 760 changes name and theatre with the date the last patrol ended.
BaseInfo LookUpBase(int endLocation, YearMonth end);
// True when base 760 is Stavanger (late 1944 on) rather than La Rochelle.
bool IsStavanger(int endLocation, YearMonth end);
std::string_view MonthName(int month);
// "At Home Base", "At Base" or "At Sea".
std::string_view SeaStatusText(SeaStatus seaStatus);

inline constexpr std::string_view kTypeXXIIIName = "Type XXIII";

}  // namespace kp
