// The four rewrites of "Make Changes", each as data for PrepareTempFile:
// which file, which section, which keys get which values, and what is said.
// A writer holds the values it writes; nothing it is given changes later.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "apply/return_date.h"
#include "apply/temp_copy.h"
#include "career/codes.h"

namespace kp {

inline constexpr int kMediterraneanFlotilla = 907;

extern const WriterMessages kHistoryMessages;
extern const WriterMessages kCareerMessages;
extern const WriterMessages kNextPatrolMessages;

// The hull after the history rewrite has met `hullLines` hull lines: raised
// by 10 for each, to 100 at most.
float RaisedHull(float hullIntegrity, int hullLines);

// The last patrol of the history gets the grid and the moved date (its date
// lines stay as they are where the date is not known); every hull line met
// gets the hull raised once more.
// Each writer takes the file as the career read found it; its temporary file
// lies beside it.
Writer RewritePatrolHistory(const std::filesystem::path& history, const std::string& grid,
                            std::optional<WorkingDate> date, float hullIntegrity);

// The career's radar-warning equipment is raised to `radarCode`, never lowered.
Writer UpgradeRadarDetectors(const std::filesystem::path& careerSettings, int radarCode);

// True when a boat that entered the Mediterranean sails with its flotilla there.
bool MediterraneanRuleHolds(int enteredMed, YearMonth start);

Writer RewriteNextPatrol(const std::filesystem::path& nextPatrol, const std::string& grid,
                         std::optional<WorkingDate> date, float hullIntegrity,
                         bool mediterraneanFlotilla);

// `confirm` is asked before a valid patrol area is overwritten; false stops the rewrite.
Writer RewriteSavePatrolArea(const std::filesystem::path& save,
                             const std::filesystem::path& saveStem, const std::string& grid,
                             std::function<bool()> confirm);

}  // namespace kp
