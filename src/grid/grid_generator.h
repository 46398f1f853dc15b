// Drawing a patrol grid, in the steps the dialog runs them: the class a
// Type XXI sails as, the list for the boat's situation, an entry drawn from
// it, and the mark that tells a drawn grid from an assigned one.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "career/career_format.h"
#include "career/codes.h"
#include "grid/random_source.h"

namespace kp {

// A Type XXI draws from the Type VII or Type IX lists (two draws decide);
// every other class is kept and draws nothing.
BoatClass ClassForDraw(BoatClass boatClass, int startYear, RandomSource& random);

// The grid list for a boat's situation, or nullptr when none applies.
const int* SelectGridList(Theater theater, TankerChoice tankerChoice, BoatClass boatClass,
                          int startYear);

// Two draws; the second picks the entry, the first entry when it falls outside.
std::string PickGridName(const int* list, RandomSource& random);

// The area as the grid field shows a drawn grid ("*" once at the end, "----"
// at a base), or none when the area is still "NULL".
std::optional<std::string> MarkDrawnGrid(std::string area, SeaStatus seaStatus);

}  // namespace kp
