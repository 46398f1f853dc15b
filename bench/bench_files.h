// Career files of a chosen size for the benchmarks.
#pragma once

#include <filesystem>
#include <string>

namespace kp::bench {

// A history of about `bytes` bytes whose last patrol is the target.
std::string HistoryOfSize(std::size_t bytes);
// A history with `patrols` ordinary patrols.
std::string HistoryWithPatrols(int patrols);

struct LongLineHistory {
    std::string text;
    std::size_t lineOffset;  // where the long line starts in `text`
    std::size_t lineBytes;   // its length, "\r\n" included
};
// A history whose last patrol, the target, begins with a line of `lineBytes` bytes.
LongLineHistory HistoryWithLongLine(int patrols, std::size_t lineBytes);

}  // namespace kp::bench
