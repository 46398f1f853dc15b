// Career files of a chosen size for the benchmarks.
#pragma once

#include <filesystem>
#include <string>

namespace kp::bench {

// A history of about `bytes` bytes whose last patrol is the target.
std::string HistoryOfSize(std::size_t bytes);
// A history with `patrols` ordinary patrols.
std::string HistoryWithPatrols(int patrols);

}  // namespace kp::bench
