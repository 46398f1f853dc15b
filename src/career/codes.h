// The small codes of the dialog state, with the values the files and the grid
// lists are keyed by. They are typed so that a call taking several of them
// cannot take them in the wrong order, and a year and its month travel as one.
#pragma once

#include <type_traits>

namespace kp {

enum class BoatClass : int {
    kUnknown = -1,
    kTypeII = 0,
    kTypeVII = 1,
    kTypeIX = 2,
    kTypeIXD2 = 3,
    kTypeXXI = 4,
    kTypeXXIII = 5,
};

enum class Theater : int {
    kUnknown = -1,
    kNorthSea = 0,  // Kiel, Wilhelmshafen
    kAtlantic = 1,  // the French bases
    kNorway = 2,
    kMediterranean = 3,
};

enum class SeaStatus : int {
    kAtHomeBase = 0,
    kAtBase = 1,
    kAtSea = 2,
};

// The base buttons in their order, so that a choice is also its radio index.
enum class TankerChoice : int {
    kNone = -1,
    kLandBase = 0,
    kNorth = 1,
    kMid = 2,
    kSouth = 3,
};

inline constexpr int kDaysAtLandBase = 31;
inline constexpr int kDaysAtTanker = 1;

// Where the boat takes on supplies before its next patrol, as the base
// buttons decide it: its land base, for a month in port, or one of the
// ocean tankers, for a day. The window shows it and the change is made by it.
struct BaseDecision {
    TankerChoice tankerChoice = TankerChoice::kLandBase;

    constexpr bool AtTanker() const {
        return tankerChoice == TankerChoice::kNorth || tankerChoice == TankerChoice::kMid ||
               tankerChoice == TankerChoice::kSouth;
    }
    constexpr int DaysInPort() const { return AtTanker() ? kDaysAtTanker : kDaysAtLandBase; }
};

// A month of a year as the files give it: -1 where a value was not read.
struct YearMonth {
    int year;
    int month;
};

// The number a code stands for in the files, the grid lists and the radio group.
template <typename Code>
requires std::is_enum_v<Code>
constexpr int CodeOf(Code code) {
    return static_cast<int>(code);
}

}  // namespace kp
