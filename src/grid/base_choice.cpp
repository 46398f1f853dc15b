#include "grid/base_choice.h"

#include <algorithm>
#include <iterator>

namespace kp {
namespace {

constexpr std::string_view kNoTankerAtHome = "Cannot be a U-tanker at Home Base!";

struct TankerWindow {
    TankerChoice choice;
    int firstYear;      // refused before this year
    YearMonth firstIn;  // refused in this year before this month
    int lastYear;       // refused after this year
    YearMonth lastIn;   // refused in this year after this month
    std::string_view refusal;

    bool Accepts(YearMonth start) const {
        const auto [year, month] = start;
        return year >= firstYear && !(year == firstIn.year && month < firstIn.month) &&
               year <= lastYear && !(year == lastIn.year && month > lastIn.month);
    }
};

const TankerWindow kTankerWindows[] = {
    {TankerChoice::kNorth,
     1941,
     {1942, 4},
     1943,
     {1943, 6},
     "You cannot use an Ocean Tanker here\n (1941 (Spain) or April 1942 - June 1943 only)."},
    {TankerChoice::kMid,
     1942,
     {1942, 8},
     1944,
     {1944, 4},
     "You cannot use an Ocean Tanker here\n (August 1942 - April 1944 only)."},
    {TankerChoice::kSouth,
     1942,
     {1942, 9},
     1944,
     {1944, 3},
     "You cannot use an Ocean Tanker here\n (Sept 1942 - March 1944 only)."},
};

}  // namespace

ChosenBase ChooseBase(TankerChoice tankerChoice, SeaStatus seaStatus, YearMonth start) {
    const BaseDecision landBase{TankerChoice::kLandBase};
    // Whatever is not a tanker is the land base.
    const auto* window =
        std::find_if(std::begin(kTankerWindows), std::end(kTankerWindows),
                     [&](const TankerWindow& w) { return w.choice == tankerChoice; });
    if (window == std::end(kTankerWindows)) {
        return {landBase, {}};
    }
    if (seaStatus == SeaStatus::kAtHomeBase) {
        return {landBase, kNoTankerAtHome};
    }
    if (!window->Accepts(start)) {
        return {landBase, window->refusal};
    }
    return {{tankerChoice}, {}};
}

}  // namespace kp
