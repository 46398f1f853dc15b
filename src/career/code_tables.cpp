#include "career/code_tables.h"

#include <algorithm>
#include <climits>
#include <iterator>

namespace kp {
namespace {

constexpr int kAny = INT_MIN;

struct BoatRow {
    int subType;
    int subVersion;
    BoatInfo info;
};

// First row that matches wins; kAny matches every value.
constexpr BoatRow kBoatTable[] = {
    {0, 0, {"Type IIA", BoatClass::kTypeII}},
    {0, 1, {"Type IID", BoatClass::kTypeII}},
    {0, kAny, {"Type II-X", BoatClass::kTypeII}},
    {1, 0, {"Type VIIB", BoatClass::kTypeVII}},
    {1, 1, {"Type VIIC", BoatClass::kTypeVII}},
    {1, 2, {"Type VIIC/41", BoatClass::kTypeVII}},
    {1, kAny, {"Type VII-X", BoatClass::kTypeVII}},
    {2, 0, {"Type IXB", BoatClass::kTypeIX}},
    {2, 1, {"Type IXC", BoatClass::kTypeIX}},
    {2, 2, {"Type IXC/40", BoatClass::kTypeIX}},
    {2, 3, {"Type IXD2", BoatClass::kTypeIXD2}},
    {2, kAny, {"Type IX-X", BoatClass::kTypeIX}},
    {3, 0, {"Type XXI", BoatClass::kTypeXXI}},
    {3, kAny, {"Type XXI-X", BoatClass::kTypeXXI}},
    {kAny, kAny, {"Type Unknown", BoatClass::kUnknown}},
};

struct BaseRow {
    int code;
    BaseInfo info;
};

constexpr int kStavangerOrLaRochelle = 760;
constexpr BaseInfo kStavanger{"Stavanger", Theater::kNorway};

constexpr BaseRow kBaseTable[] = {
    {750, {"Kiel", Theater::kNorthSea}},
    {751, {"Brest", Theater::kAtlantic}},
    {752, {"Wilhelmshafen", Theater::kNorthSea}},
    {753, {"Lorient", Theater::kAtlantic}},
    {754, {"St. Nazaire", Theater::kAtlantic}},
    {755, {"Bergen", Theater::kNorway}},
    {756, {"Bordeaux", Theater::kAtlantic}},
    {757, {"La Spezia", Theater::kMediterranean}},
    {758, {"Toulon", Theater::kMediterranean}},
    {759, {"Flensburg", Theater::kAtlantic}},
    {kStavangerOrLaRochelle, {"LaRochelle", Theater::kAtlantic}},
    {kAny, {"Unknown", Theater::kNorway}},
};

// By SeaStatus.
constexpr std::string_view kSeaStatusTexts[] = {"At Home Base", "At Base", "At Sea"};

constexpr std::string_view kMonthNames[] = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December",
};

bool Matches(int rowValue, int value) {
    return rowValue == kAny || rowValue == value;
}

}  // namespace

BoatInfo LookUpBoat(int subType, int subVersion) {
    // The last row holds for every code, so the search always ends on a row.
    const auto* row =
        std::find_if(std::begin(kBoatTable), std::end(kBoatTable) - 1, [&](const BoatRow& r) {
            return Matches(r.subType, subType) && Matches(r.subVersion, subVersion);
        });
    return row->info;
}

bool IsStavanger(int endLocation, YearMonth end) {
    return endLocation == kStavangerOrLaRochelle &&
           ((end.year == 1944 && end.month > 8) || end.year == 1945);
}

BaseInfo LookUpBase(int endLocation, YearMonth end) {
    if (IsStavanger(endLocation, end)) {
        return kStavanger;
    }
    const auto* row = std::find_if(std::begin(kBaseTable), std::end(kBaseTable) - 1,
                                   [&](const BaseRow& r) { return Matches(r.code, endLocation); });
    return row->info;
}

std::string_view MonthName(int month) {
    if (month < 1 || month > 12) {
        return "Unknown";
    }
    return kMonthNames[month - 1];
}

std::string_view SeaStatusText(SeaStatus seaStatus) {
    return kSeaStatusTexts[CodeOf(seaStatus)];
}

}  // namespace kp
