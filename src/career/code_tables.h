// The simulation's boat, base and month codes turned into texts and codes.
#pragma once

#include <string_view>

namespace kp {

struct BoatInfo {
    std::string_view type;
    int boatClass;
};

struct BaseInfo {
    std::string_view name;
    int theater;
};

BoatInfo LookUpBoat(int subType, int subVersion);
// Base 760 changes name and theatre with the date the last patrol ended.
BaseInfo LookUpBase(int endLocation, int endYear, int endMonth);
// True when base 760 is Stavanger (late 1944 on) rather than La Rochelle.
bool IsStavanger(int endLocation, int endYear, int endMonth);
std::string_view MonthName(int month);
// "At Home Base", "At Base" or "At Sea", by SeaStatus code.
std::string_view SeaStatusText(int seaStatus);

inline constexpr std::string_view kTypeXXIIIName = "Type XXIII";

}  // namespace kp
