// A dialog's places made room for texts larger than the ones it was drawn
// for. Each control takes at least the size its text needs; what stood after
// it in its row (or below it in its column) moves along by as much, a frame
// grows around what it holds, controls that began in one line still do, and
// the dialog grows with them. Gaps and margins stay as drawn, so no control
// comes to overlap another and the arrangement is the template's.
#pragma once

#include <QRect>
#include <QSize>
#include <span>
#include <vector>

namespace kp {

struct GrownLayout {
    std::vector<QRect> places;
    QSize dialog;
};

// places: where the template puts each control; needs: the size each needs
// (smaller than its place where it needs no more); dialog: the template's.
GrownLayout GrowToFit(std::span<const QRect> places, std::span<const QSize> needs, QSize dialog);

}  // namespace kp
