#include "apply/grid_entry.h"

#include "career/career_format.h"

namespace kp {
namespace {

// Compared as signed bytes, so that no byte of 0x80 or above passes.
bool InRange(char c, char low, char high) {
    const auto value = static_cast<signed char>(c);
    return value >= low && value <= high;
}

}  // namespace

bool NormalizeGridEntry(std::string& grid) {
    if (grid.size() < format::kGridLength) {
        grid.append(format::kGridLength - grid.size(), '-');
    }
    grid.resize(format::kGridLength);
    bool fault = !InRange(grid[0], 'A', 'Z');
    fault = !InRange(grid[1], 'A', 'Z') || fault;
    if (!InRange(grid[2], '0', '9')) {
        fault = true;
    } else if (grid[2] < '4' && grid[3] == '-') {
        // A lone digit 0 to 3 stands for 00 to 03.
        grid[3] = grid[2];
        grid[2] = '0';
    }
    fault = !InRange(grid[3], '0', '9') || fault;
    if (grid == format::kAtBaseArea) {
        grid = format::kNoArea;
        return true;
    }
    return !fault;
}

void DropLeadingZero(std::string& grid) {
    if (grid.size() == format::kGridLength && grid[2] == '0') {
        grid[2] = grid[3];
        grid.resize(3);
    }
}

}  // namespace kp
