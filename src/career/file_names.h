// Names of the simulation's folders and files; platform/path_text.h finds
// them as Windows does.
#pragma once

#include <algorithm>
#include <array>
#include <string_view>

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

// A patrol folder is named by the number of patrols in the history.
inline bool IsPatrolFolderName(std::string_view name) {
    return !name.empty() &&
           std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace kp
