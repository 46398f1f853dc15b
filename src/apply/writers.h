// The four rewrites of "Make Changes", each as data for RewriteThroughTempFile:
// which file, which section, which keys get which values, and what is said.
// Values passed by reference are read while the file is copied, so a writer
// may be made before the date it writes has been moved.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "apply/return_date.h"
#include "apply/safe_replace.h"

namespace kp {

inline constexpr int kMediterraneanFlotilla = 907;

// The last patrol of the history gets the grid and the moved date; its hull
// integrity is raised by 10 (to 100 at most) in `hullIntegrity` itself.
Writer RewritePatrolHistory(FileOps& ops, const std::filesystem::path& careerFolder,
                            const std::string& grid, const WorkingDate& date, float& hullIntegrity);

// The career's radar-warning equipment is raised to `radarCode`, never lowered.
Writer UpgradeRadarDetectors(FileOps& ops, const std::filesystem::path& careerFolder,
                             int radarCode);

// True when a boat that entered the Mediterranean sails with its flotilla there.
bool MediterraneanRuleHolds(int enteredMed, int startYear, int startMonth);

Writer RewriteNextPatrol(FileOps& ops, const std::filesystem::path& careerFolder,
                         const std::string& grid, const WorkingDate& date,
                         const float& hullIntegrity, bool mediterraneanFlotilla);

// `confirm` is asked before a valid patrol area is overwritten; false stops the rewrite.
Writer RewriteSavePatrolArea(FileOps& ops, const std::filesystem::path& save,
                             const std::filesystem::path& saveStem, const std::string& grid,
                             std::function<bool()> confirm);

}  // namespace kp
