// The rule both windows make room for their texts by, on a small template:
// a row (label, field, button), a frame holding a radio button, and two
// check boxes below it, the second in the frame's column.
#include "ui/grown_layout.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace kp {
namespace {

constexpr std::array<LayoutRect, 7> kPlaces = {{
    {10, 10, 40, 10},   // label
    {55, 10, 30, 10},   // field
    {150, 10, 40, 10},  // button
    {100, 40, 60, 40},  // frame
    {105, 50, 50, 10},  // radio button in the frame
    {10, 85, 80, 10},   // check box
    {100, 85, 60, 10},  // check box beside it, below the frame
}};
constexpr LayoutSize kDialog = {200, 100};

struct GrowthCase {
    const char* what;
    std::array<LayoutSize, 7> needs;
    std::array<LayoutRect, 7> places;
    LayoutSize dialog;
};

const GrowthCase kCases[] = {
    {"every text fits its place: the template as drawn", {}, kPlaces, kDialog},
    {"the Qt window: a label in a wider face pushes its row along, gaps kept",
     {{{50, 10}}},
     {{{10, 10, 50, 10},
       {65, 10, 30, 10},
       {160, 10, 40, 10},
       kPlaces[3],
       kPlaces[4],
       kPlaces[5],
       kPlaces[6]}},
     {210, 100}},
    {"the Windows window at 96 DPI: a check box's long caption pushes its neighbour and the "
     "frame in its column along, and a taller radio button grows the frame, which pushes the "
     "row below it down",
     {{{}, {}, {}, {}, {60, 12}, {100, 10}, {}}},
     {{kPlaces[0],
       kPlaces[1],
       kPlaces[2],
       {120, 40, 70, 42},
       {125, 50, 60, 12},
       {10, 87, 100, 10},
       {120, 87, 60, 10}}},
     {230, 102}},
};

TEST(GrownLayoutTest, ControlsTakeTheRoomTheirTextsNeedAndTheirNeighboursMakeWay) {
    for (const GrowthCase& c : kCases) {
        const GrownLayout grown = GrowToFit(kPlaces, c.needs, kDialog);
        EXPECT_EQ(grown.places, std::vector<LayoutRect>(c.places.begin(), c.places.end()))
            << c.what;
        EXPECT_EQ(grown.dialog, c.dialog) << c.what;
    }
}

}  // namespace
}  // namespace kp
