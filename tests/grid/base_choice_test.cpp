// The base rule: the land base always stands; a tanker never at the home
// base, and only within its window of start dates.
#include "grid/base_choice.h"

#include <gtest/gtest.h>

#include <string_view>

#include "career/codes.h"

namespace kp {
namespace {

constexpr std::string_view kHomeBase = "Cannot be a U-tanker at Home Base!";
constexpr std::string_view kNorthWindow =
    "You cannot use an Ocean Tanker here\n (1941 (Spain) or April 1942 - June 1943 only).";
constexpr std::string_view kMidWindow =
    "You cannot use an Ocean Tanker here\n (August 1942 - April 1944 only).";
constexpr std::string_view kSouthWindow =
    "You cannot use an Ocean Tanker here\n (Sept 1942 - March 1944 only).";

TEST(ChooseBase, TheLandBaseStandsAndATankerOnlyInItsWindowAwayFromHome) {
    // The rule's own types for the choice and the status.
    const struct {
        TankerChoice choice;
        SeaStatus status;
        int year;
        int month;
        int days;
        std::string_view refusal;  // empty: the choice stands
    } cases[] = {
        {TankerChoice::kLandBase, SeaStatus::kAtHomeBase, 1943, 1, 31, ""},
        {TankerChoice::kLandBase, SeaStatus::kAtSea, 1950, 1, 31, ""},
        {TankerChoice::kNorth, SeaStatus::kAtHomeBase, 1943, 1, 31, kHomeBase},
        {TankerChoice::kMid, SeaStatus::kAtHomeBase, 1943, 1, 31, kHomeBase},
        {TankerChoice::kSouth, SeaStatus::kAtHomeBase, 1943, 1, 31, kHomeBase},
        {TankerChoice::kNorth, SeaStatus::kAtHomeBase, 1950, 1, 31, kHomeBase},
        {TankerChoice::kMid, SeaStatus::kAtHomeBase, 1950, 1, 31, kHomeBase},
        {TankerChoice::kSouth, SeaStatus::kAtHomeBase, 1950, 1, 31, kHomeBase},
        {TankerChoice::kNorth, SeaStatus::kAtBase, 1943, 1, 1, ""},
        {TankerChoice::kMid, SeaStatus::kAtBase, 1943, 1, 1, ""},
        {TankerChoice::kSouth, SeaStatus::kAtBase, 1943, 1, 1, ""},
        {TankerChoice::kNorth, SeaStatus::kAtSea, 1940, 12, 31, kNorthWindow},
        {TankerChoice::kNorth, SeaStatus::kAtSea, 1941, 1, 1, ""},
        {TankerChoice::kNorth, SeaStatus::kAtSea, 1941, 12, 1, ""},
        {TankerChoice::kNorth, SeaStatus::kAtSea, 1941, 0, 1, ""},
        {TankerChoice::kNorth, SeaStatus::kAtSea, 1942, 1, 31, kNorthWindow},
        {TankerChoice::kNorth, SeaStatus::kAtSea, 1942, 3, 31, kNorthWindow},
        {TankerChoice::kNorth, SeaStatus::kAtSea, 1942, 4, 1, ""},
        {TankerChoice::kNorth, SeaStatus::kAtSea, 1942, 12, 1, ""},
        {TankerChoice::kNorth, SeaStatus::kAtSea, 1943, 1, 1, ""},
        {TankerChoice::kNorth, SeaStatus::kAtSea, 1943, 6, 1, ""},
        {TankerChoice::kNorth, SeaStatus::kAtSea, 1943, 7, 31, kNorthWindow},
        {TankerChoice::kNorth, SeaStatus::kAtSea, 1943, 13, 31, kNorthWindow},
        {TankerChoice::kNorth, SeaStatus::kAtSea, 1944, 1, 31, kNorthWindow},
        {TankerChoice::kNorth, SeaStatus::kAtSea, 1944, 6, 31, kNorthWindow},
        {TankerChoice::kNorth, SeaStatus::kAtSea, -1, -1, 31, kNorthWindow},
        {TankerChoice::kMid, SeaStatus::kAtSea, 1941, 12, 31, kMidWindow},
        {TankerChoice::kMid, SeaStatus::kAtSea, 1942, 1, 31, kMidWindow},
        {TankerChoice::kMid, SeaStatus::kAtSea, 1942, 7, 31, kMidWindow},
        {TankerChoice::kMid, SeaStatus::kAtSea, 1942, 8, 1, ""},
        {TankerChoice::kMid, SeaStatus::kAtSea, 1942, 12, 1, ""},
        {TankerChoice::kMid, SeaStatus::kAtSea, 1943, 1, 1, ""},
        {TankerChoice::kMid, SeaStatus::kAtSea, 1943, 12, 1, ""},
        {TankerChoice::kMid, SeaStatus::kAtSea, 1944, 1, 1, ""},
        {TankerChoice::kMid, SeaStatus::kAtSea, 1944, 4, 1, ""},
        {TankerChoice::kMid, SeaStatus::kAtSea, 1944, 5, 31, kMidWindow},
        {TankerChoice::kMid, SeaStatus::kAtSea, 1945, 1, 31, kMidWindow},
        {TankerChoice::kSouth, SeaStatus::kAtSea, 1941, 10, 31, kSouthWindow},
        {TankerChoice::kSouth, SeaStatus::kAtSea, 1942, 8, 31, kSouthWindow},
        {TankerChoice::kSouth, SeaStatus::kAtSea, 1942, 9, 1, ""},
        {TankerChoice::kSouth, SeaStatus::kAtSea, 1942, 12, 1, ""},
        {TankerChoice::kSouth, SeaStatus::kAtSea, 1943, 6, 1, ""},
        {TankerChoice::kSouth, SeaStatus::kAtSea, 1944, 3, 1, ""},
        {TankerChoice::kSouth, SeaStatus::kAtSea, 1944, 4, 31, kSouthWindow},
        {TankerChoice::kSouth, SeaStatus::kAtSea, 1945, 1, 31, kSouthWindow},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "choice " << static_cast<int>(c.choice) << ", status "
                     << static_cast<int>(c.status) << ", " << c.month << "/" << c.year);
        const auto [decision, refusal] = ChooseBase(c.choice, c.status, {c.year, c.month});
        EXPECT_EQ(refusal, c.refusal);
        EXPECT_EQ(decision.tankerChoice, c.refusal.empty() ? c.choice : TankerChoice::kLandBase);
        EXPECT_EQ(decision.DaysInPort(), c.days);
    }
}

}  // namespace
}  // namespace kp
