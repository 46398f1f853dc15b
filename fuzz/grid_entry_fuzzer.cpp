// Arbitrary entries in the grid field: an accepted one is always written as
// "NULL", two letters and one or two digits.
#include <cstddef>
#include <cstdint>
#include <string>

#include "apply/grid_entry.h"
#include "platform/path_text.h"

namespace {

bool Letter(char c) {
    return c >= 'A' && c <= 'Z';
}
bool Digit(char c) {
    return c >= '0' && c <= '9';
}

bool WellFormed(const std::string& grid) {
    if (grid == "NULL") {
        return true;
    }
    if (grid.size() == 3) {
        return Letter(grid[0]) && Letter(grid[1]) && Digit(grid[2]);
    }
    return grid.size() == 4 && Letter(grid[0]) && Letter(grid[1]) && grid[2] >= '1' &&
           grid[2] <= '9' && Digit(grid[3]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string grid = kp::UpperAscii(std::string(reinterpret_cast<const char*>(data), size));
    if (kp::NormalizeGridEntry(grid)) {
        kp::DropLeadingZero(grid);
        if (!WellFormed(grid)) {
            __builtin_trap();
        }
    }
    return 0;
}
