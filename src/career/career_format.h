// The names of the simulation's career files as reader and writers both use
// them: the keys of the key lines (each with its "=", compared over exactly
// that length at the start of a line), the [INIT] counts and section header
// prefixes, and the patrol area's own values.
#pragma once

#include <cstddef>
#include <string_view>

namespace kp::format {

// [INIT] counts and the numbered sections they point at.
inline constexpr std::string_view kPatrolCountKey = "Patrols=";
inline constexpr std::string_view kCareerCountKey = "Careers=";
inline constexpr std::string_view kPatrolHeader = "[PATROL ";
inline constexpr std::string_view kCareerHeader = "[CAREER ";

// The next patrol (patrols_0.cfg) and the last one of the history (patrols.cfg).
inline constexpr std::string_view kEndLocationKey = "EndLocation=";
inline constexpr std::string_view kSubTypeKey = "SubType=";
inline constexpr std::string_view kSubVersionKey = "SubVersion=";
inline constexpr std::string_view kPatrolAreaKey = "PatrolArea=";
inline constexpr std::string_view kNbDaysInBaseKey = "NbDaysInBase=";
inline constexpr std::string_view kStartDayKey = "StartDay=";
inline constexpr std::string_view kStartMonthKey = "StartMonth=";
inline constexpr std::string_view kStartYearKey = "StartYear=";
inline constexpr std::string_view kEndDayKey = "EndDay=";
inline constexpr std::string_view kEndMonthKey = "EndMonth=";
inline constexpr std::string_view kEndYearKey = "EndYear=";
inline constexpr std::string_view kHullIntegrityKey = "HullIntegrity=";
inline constexpr std::string_view kFlotillaKey = "Flotilla=";

// The career settings (careers_0.cfg).
inline constexpr std::string_view kRadarUpgradeKey = "RadarWarningReceiverUpg=";

// A patrol area is a grid of this many characters, or "NULL" for none.
inline constexpr std::size_t kGridLength = 4;
inline constexpr std::string_view kNoArea = "NULL";
// What the grid field shows for a boat at a base; entered, it is written as kNoArea.
inline constexpr std::string_view kAtBaseArea = "----";

}  // namespace kp::format
