#include "grid/grid_generator.h"

#include <gtest/gtest.h>

#include "career/codes.h"
#include "grid/grid_tables.h"

namespace kp {
namespace {

struct SelectionCase {
    int theater;
    int tanker;
    int boatClass;
    int year;
    const int* list;
    const char* listName;
};

#define LIST(name) name, #name

TEST(SelectGridList, FirstMatchingRowGivesTheList) {
    const SelectionCase cases[] = {
        // Theater 3 wins over everything.
        {3, 0, 1, 1942, LIST(GridsTheater3)},
        {3, 3, -1, 1930, LIST(GridsTheater3)},
        {3, 1, 2, 1943, LIST(GridsTheater3)},
        // The south tanker over every boat class.
        {0, 3, 1, 1942, LIST(GridsTankerSouth)},
        {1, 3, -1, 1942, LIST(GridsTankerSouth)},
        {2, 3, 0, 1939, LIST(GridsTankerSouth)},
        {-1, 3, 5, 1950, LIST(GridsTankerSouth)},
        // Type II; the north and mid tankers change nothing.
        {0, 0, 0, 1939, LIST(GridsTypeIITheater0or2Y1939To1940)},
        {2, 1, 0, 1940, LIST(GridsTypeIITheater0or2Y1939To1940)},
        {0, 2, 0, 1940, LIST(GridsTypeIITheater0or2Y1939To1940)},
        {2, -1, 0, 1939, LIST(GridsTypeIITheater0or2Y1939To1940)},
        {0, 0, 0, 1941, LIST(GridsTypeIITheater0or2Y1941To1944)},
        {2, 2, 0, 1944, LIST(GridsTypeIITheater0or2Y1941To1944)},
        {0, 0, 0, 1938, LIST(GridsTypeIITheater0or2OtherYears)},
        {2, 1, 0, 1945, LIST(GridsTypeIITheater0or2OtherYears)},
        {1, 0, 0, 1930, LIST(GridsTypeIITheater1)},
        {1, 2, 0, 1942, LIST(GridsTypeIITheater1)},
        {1, 1, 0, 1950, LIST(GridsTypeIITheater1)},
        // Type VII.
        {0, 1, 1, 1942, LIST(GridsTypeVIITankerNorth)},
        {1, 1, 1, 1939, LIST(GridsTypeVIITankerNorth)},
        {7, 1, 1, 1942, LIST(GridsTypeVIITankerNorth)},
        {1, 2, 1, 1943, LIST(GridsTypeVIITankerMid)},
        {-1, 2, 1, 1950, LIST(GridsTypeVIITankerMid)},
        {0, 0, 1, 1939, LIST(GridsTypeVIITheater0or2Y1939To1940)},
        {2, -1, 1, 1940, LIST(GridsTypeVIITheater0or2Y1939To1940)},
        {0, 4, 1, 1939, LIST(GridsTypeVIITheater0or2Y1939To1940)},
        {0, 0, 1, 1945, LIST(GridsTypeVII1945)},
        {2, 0, 1, 1945, LIST(GridsTypeVII1945)},
        {0, 0, 1, 1941, LIST(GridsTypeVIITheater0or2Main)},
        {2, 0, 1, 1944, LIST(GridsTypeVIITheater0or2Main)},
        {0, 0, 1, 1938, LIST(GridsTypeVIITheater0or2Main)},
        {0, 0, 1, 1946, LIST(GridsTypeVIITheater0or2Main)},
        {1, 0, 1, 1939, LIST(GridsTypeVIITheater1Main)},
        {1, 0, 1, 1940, LIST(GridsTypeVIITheater1Main)},
        {1, 0, 1, 1941, LIST(GridsTypeVIITheater1Main)},
        {1, -1, 1, 1943, LIST(GridsTypeVIITheater1Main)},
        {1, 0, 1, 1942, LIST(GridsTypeVIITheater1Y1942)},
        {1, 0, 1, 1944, LIST(GridsTypeVIITheater1Y1944)},
        {1, 0, 1, 1938, LIST(GridsTypeVII1945)},
        {1, 0, 1, 1945, LIST(GridsTypeVII1945)},
        // Type IX.
        {0, 1, 2, 1942, LIST(GridsTypeIXTankerNorth)},
        {1, 1, 2, 1944, LIST(GridsTypeIXTankerNorth)},
        {2, 2, 2, 1941, LIST(GridsTypeIXTankerMid)},
        {1, 2, 2, 1945, LIST(GridsTypeIXTankerMid)},
        {0, 0, 2, 1939, LIST(GridsTypeIXTheater0or2Y1939To1943)},
        {2, 0, 2, 1943, LIST(GridsTypeIXTheater0or2Y1939To1943)},
        {0, 0, 2, 1938, LIST(GridsTypeIXTheater0or2OtherYears)},
        {2, 0, 2, 1944, LIST(GridsTypeIXTheater0or2OtherYears)},
        {1, 0, 2, 1939, LIST(GridsTypeIXTheater1Y1939To1941)},
        {1, 0, 2, 1941, LIST(GridsTypeIXTheater1Y1939To1941)},
        {1, 0, 2, 1942, LIST(GridsTypeIXTheater1Y1942)},
        {1, 0, 2, 1943, LIST(GridsTypeIXTheater1Y1943To1944)},
        {1, 0, 2, 1944, LIST(GridsTypeIXTheater1Y1943To1944)},
        {1, 0, 2, 1938, LIST(GridsTypeIXTheater1OtherYears)},
        {1, 0, 2, 1945, LIST(GridsTypeIXTheater1OtherYears)},
        // Type IXD2, at every base outside the Mediterranean.
        {0, 0, 3, 1939, LIST(GridsTypeIXD2Y1939To1944)},
        {1, 1, 3, 1944, LIST(GridsTypeIXD2Y1939To1944)},
        {-1, 2, 3, 1940, LIST(GridsTypeIXD2Y1939To1944)},
        {1, 0, 3, 1938, LIST(GridsTypeIXD2OtherYears)},
        {0, 2, 3, 1945, LIST(GridsTypeIXD2OtherYears)},
        // Type XXIII.
        {0, 0, 5, 1945, LIST(GridsTypeIITheater0or2OtherYears)},
        {1, 1, 5, 1939, LIST(GridsTypeIITheater0or2OtherYears)},
        {-1, -1, 5, 1942, LIST(GridsTypeIITheater0or2OtherYears)},
    };
    for (const SelectionCase& c : cases) {
        EXPECT_EQ(SelectGridList(Theater{c.theater}, TankerChoice{c.tanker}, BoatClass{c.boatClass},
                                 c.year),
                  c.list)
            << "theater " << c.theater << ", tanker " << c.tanker << ", class " << c.boatClass
            << ", " << c.year << ": want " << c.listName;
    }
}

#undef LIST

TEST(SelectGridList, NoListForAnUnknownBoatOrBase) {
    const int none[][4] = {
        {-1, 0, 0, 1942}, {4, 0, 0, 1942}, {4, 1, 0, 1942},  {-1, 0, 1, 1942},
        {5, -1, 2, 1942}, {9, 0, 1, 1939}, {0, 0, -1, 1942}, {1, 1, -1, 1942},
        {1, 0, 4, 1942},  {1, 0, 6, 1942}, {2, 2, 7, 1942},
    };
    for (const auto& c : none) {
        EXPECT_EQ(SelectGridList(Theater{c[0]}, TankerChoice{c[1]}, BoatClass{c[2]}, c[3]), nullptr)
            << "theater " << c[0] << ", tanker " << c[1] << ", class " << c[2];
    }
}

}  // namespace
}  // namespace kp
