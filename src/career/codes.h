// The small codes of the dialog state, with the values the files and the grid
// lists are keyed by.
#pragma once

namespace kp {

namespace BoatClass {
inline constexpr int kUnknown = -1;
inline constexpr int kTypeII = 0;
inline constexpr int kTypeVII = 1;
inline constexpr int kTypeIX = 2;
inline constexpr int kTypeIXD2 = 3;
inline constexpr int kTypeXXI = 4;
inline constexpr int kTypeXXIII = 5;
}  // namespace BoatClass

namespace Theater {
inline constexpr int kNorthSea = 0;  // Kiel, Wilhelmshafen
inline constexpr int kAtlantic = 1;  // the French bases
inline constexpr int kNorway = 2;
inline constexpr int kMediterranean = 3;
}  // namespace Theater

namespace SeaStatus {
inline constexpr int kAtHomeBase = 0;
inline constexpr int kAtBase = 1;
inline constexpr int kAtSea = 2;
}  // namespace SeaStatus

namespace TankerChoice {
inline constexpr int kNone = -1;
inline constexpr int kLandBase = 0;
inline constexpr int kNorth = 1;
inline constexpr int kMid = 2;
inline constexpr int kSouth = 3;
}  // namespace TankerChoice

}  // namespace kp
