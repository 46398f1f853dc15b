// The built-in patrol grids: every grid name the program knows, and the lists
// the generator draws from. Lists hold indices into PatrolGridTable and end
// with the mark 0; their order and repeated entries decide what a seed draws.
#pragma once

#include <string_view>

namespace kp {

inline constexpr int kPatrolGridTableSize = 249;

extern const char PatrolGridTable[kPatrolGridTableSize][5];

extern const int GridsTheater3[];
extern const int GridsTankerSouth[];
extern const int GridsTypeIITheater0or2Y1939To1940[];
extern const int GridsTypeIITheater0or2Y1941To1944[];
extern const int GridsTypeIITheater0or2OtherYears[];
extern const int GridsTypeIITheater1[];
extern const int GridsTypeVIITankerNorth[];
extern const int GridsTypeVIITankerMid[];
extern const int GridsTypeVIITheater0or2Y1939To1940[];
extern const int GridsTypeVIITheater0or2Main[];
extern const int GridsTypeVII1945[];
extern const int GridsTypeVIITheater1Main[];
extern const int GridsTypeVIITheater1Y1942[];
extern const int GridsTypeVIITheater1Y1944[];
extern const int GridsTypeIXTankerNorth[];
extern const int GridsTypeIXTankerMid[];
extern const int GridsTypeIXTheater0or2Y1939To1943[];
extern const int GridsTypeIXTheater0or2OtherYears[];
extern const int GridsTypeIXTheater1Y1939To1941[];
extern const int GridsTypeIXTheater1Y1942[];
extern const int GridsTypeIXTheater1Y1943To1944[];
extern const int GridsTypeIXTheater1OtherYears[];
extern const int GridsTypeIXD2Y1939To1944[];
extern const int GridsTypeIXD2OtherYears[];

// Number of entries before the end mark.
int GridListCount(const int* list);

// The four-character name at a table index; index 0 is "NULL".
std::string_view GridName(int index);

}  // namespace kp
