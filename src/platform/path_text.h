// Paths as UTF-8 text, and names compared and found as Windows compares
// them: whatever their letter case, with an exact match preferred, and
// folders visited in the order a Windows file system yields them.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_ops.h"

namespace kp {

std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string Utf8FromPath(const std::filesystem::path& path);

std::string UpperAscii(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
bool EndsWithIgnoringCase(std::string_view name, std::string_view end);

// Sorts entries by name compared after upper-casing, byte by byte.
void SortInEnumerationOrder(std::vector<DirEntry>& entries);

// The entry `name` of `dir`: the exact name when it exists, else the first
// entry whose name differs only in letter case, else dir/name as given.
std::filesystem::path FindEntry(FileOps& ops, const std::filesystem::path& dir,
                                std::string_view name);

}  // namespace kp
