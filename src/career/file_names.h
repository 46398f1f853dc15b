// Names of the simulation's folders and files, found as Windows finds them:
// whatever their letter case, with an exact match preferred, and folders
// visited in the order a Windows file system yields them.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_ops.h"

namespace kp {

inline constexpr std::string_view kCareersFolder = "careers";
inline constexpr std::string_view kNextPatrolFile = "patrols_0.cfg";
inline constexpr std::string_view kHistoryFile = "patrols.cfg";
inline constexpr std::string_view kCareerSettingsFile = "careers_0.cfg";
inline constexpr std::string_view kHistoryTempFile = "patrolsold_TMP.cfg";
inline constexpr std::string_view kSharedTempFile = "patrols_TMP.cfg";
inline constexpr std::string_view kSaveExtension = ".psc";
inline constexpr std::string_view kSaveTempExtension = ".TMP";

// The files a change may replace in a career folder, in the order the
// writers take them; at sea it replaces the newest save alone.
inline constexpr std::array<std::string_view, 3> kCareerFiles = {kHistoryFile, kCareerSettingsFile,
                                                                 kNextPatrolFile};
// The temporary files the writers make there; a save's is its stem with
// kSaveTempExtension, in its patrol folder.
inline constexpr std::array<std::string_view, 2> kCareerTempFiles = {kHistoryTempFile,
                                                                     kSharedTempFile};

std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string Utf8FromPath(const std::filesystem::path& path);

std::string UpperAscii(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
bool EndsWithIgnoringCase(std::string_view name, std::string_view end);
// A patrol folder is named by the number of patrols in the history.
bool IsPatrolFolderName(std::string_view name);

// Sorts entries by name compared after upper-casing, byte by byte.
void SortInEnumerationOrder(std::vector<DirEntry>& entries);

// The entry `name` of `dir`: the exact name when it exists, else the first
// entry whose name differs only in letter case, else dir/name as given.
std::filesystem::path FindEntry(FileOps& ops, const std::filesystem::path& dir,
                                std::string_view name);

}  // namespace kp
