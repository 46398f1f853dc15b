#include "ui/grown_layout.h"

#include <algorithm>
#include <cstddef>

namespace kp {
namespace {

// A stretch along one axis, its end excluded.
struct Span {
    int start;
    int length;
    int End() const { return start + length; }
};

bool Overlap(Span a, Span b) {
    return a.start < b.End() && b.start < a.End();
}

bool Inside(Span inner, Span outer) {
    return outer.start <= inner.start && inner.End() <= outer.End();
}

// One rectangle holds another, edges included, the other not empty.
bool Holds(const LayoutRect& outer, const LayoutRect& inner) {
    return inner.width > 0 && inner.height > 0 &&
           Inside({inner.x, inner.width}, {outer.x, outer.width}) &&
           Inside({inner.y, inner.height}, {outer.y, outer.height});
}

struct AxisInput {
    std::vector<Span> along;   // the template's places along the axis
    std::vector<Span> across;  // and across it, which decides who shares a row
    std::vector<int> needs;
    std::vector<bool> isFrame;  // holds, across too, a control of the template
    int dialog;
};

// The places along one axis. Every rule only moves a start later or makes a
// length longer, and none leads back to where it began (a control is pushed
// only by one that began before it), so the loop ends.
std::vector<Span> GrowAlong(const AxisInput& in) {
    const std::size_t count = in.along.size();
    std::vector<Span> grown(count);
    for (std::size_t i = 0; i < count; ++i) {
        grown[i] = {in.along[i].start, std::max(in.along[i].length, in.needs[i])};
    }
    bool moved = true;
    const auto raise = [&moved](int& value, int atLeast) {
        if (value < atLeast) {
            value = atLeast;
            moved = true;
        }
    };
    while (moved) {
        moved = false;
        for (std::size_t a = 0; a < count; ++a) {
            for (std::size_t b = 0; b < count; ++b) {
                const Span& was = in.along[a];
                const Span& other = in.along[b];
                if (a == b) {
                    continue;
                }
                if (was.start == other.start) {
                    raise(grown[b].start, grown[a].start);
                }
                if (was.End() <= other.start && Overlap(in.across[a], in.across[b])) {
                    raise(grown[b].start, grown[a].End() + (other.start - was.End()));
                }
                if (in.isFrame[a] && Inside(other, was) && Inside(in.across[b], in.across[a])) {
                    raise(grown[b].start, grown[a].start + (other.start - was.start));
                    raise(grown[a].length,
                          grown[b].End() + (was.End() - other.End()) - grown[a].start);
                }
            }
        }
    }
    return grown;
}

int GrownDialog(const AxisInput& in, const std::vector<Span>& grown) {
    int dialog = in.dialog;
    for (std::size_t i = 0; i < grown.size(); ++i) {
        dialog = std::max(dialog, grown[i].End() + (in.dialog - in.along[i].End()));
    }
    return dialog;
}

}  // namespace

GrownLayout GrowToFit(std::span<const LayoutRect> places, std::span<const LayoutSize> needs,
                      LayoutSize dialog) {
    AxisInput across{{}, {}, {}, {}, dialog.width};
    AxisInput down{{}, {}, {}, {}, dialog.height};
    for (std::size_t i = 0; i < places.size(); ++i) {
        const LayoutRect& place = places[i];
        const Span x{place.x, place.width};
        const Span y{place.y, place.height};
        across.along.push_back(x);
        across.across.push_back(y);
        across.needs.push_back(needs[i].width);
        down.along.push_back(y);
        down.across.push_back(x);
        down.needs.push_back(needs[i].height);
        bool holds = false;
        for (const LayoutRect& other : places) {
            holds = holds || (&other != &place && Holds(place, other));
        }
        across.isFrame.push_back(holds);
        down.isFrame.push_back(holds);
    }
    const std::vector<Span> columns = GrowAlong(across);
    const std::vector<Span> rows = GrowAlong(down);
    GrownLayout grown{{}, {GrownDialog(across, columns), GrownDialog(down, rows)}};
    for (std::size_t i = 0; i < places.size(); ++i) {
        grown.places.push_back(
            {columns[i].start, rows[i].start, columns[i].length, rows[i].length});
    }
    return grown;
}

}  // namespace kp
