// A dialog's places made room for texts larger than the ones it was drawn
// for. Each control takes at least the size its text needs; what stood after
// it in its row (or below it in its column) moves along by as much, a frame
// grows around what it holds, controls that began in one line still do, and
// the dialog grows with them. Gaps and margins stay as drawn, so no control
// comes to overlap another and the arrangement is the template's.
#pragma once

//
// The same rule for every window: each front end measures its texts in its
// own font and applies the places, in pixels.
#include <span>
#include <vector>

namespace kp {

struct LayoutSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const LayoutSize&, const LayoutSize&) = default;
};

struct LayoutRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const LayoutRect&, const LayoutRect&) = default;
};

struct GrownLayout {
    std::vector<LayoutRect> places;
    LayoutSize dialog;
};

// places: where the template puts each control; needs: the size each needs
// (smaller than its place where it needs no more); dialog: the template's.
GrownLayout GrowToFit(std::span<const LayoutRect> places, std::span<const LayoutSize> needs,
                      LayoutSize dialog);

}  // namespace kp
