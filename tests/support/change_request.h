// "Make Changes" as the dialog asks for it once a career was read: the
// values the read gave, a Type VIIC's grids, the radar update ticked.
#pragma once

#include <string>

#include "apply/apply_changes.h"
#include "career/career_read.h"

namespace kp {

inline ChangeRequest RequestAfter(const CareerRead& read, const std::string& grid,
                                  TankerChoice choice) {
    return {
        .seen = read.files,
        .madeAt = 1796688000,
        .grid = grid,
        .base = {choice},
        .seaStatus = read.save ? SeaStatus::kAtSea : SeaStatus::kAtBase,
        .gridClass = BoatClass::kTypeVII,
        .lastPatrolEnd = {read.last.endDay, read.last.endMonth, read.last.endYear},
        .hullIntegrity = read.last.hullIntegrity,
        .autoRadarUpdate = true,
        .enteredMed = 0,
        .start = {read.next.startYear, read.next.startMonth},
        .save = read.save,
    };
}

}  // namespace kp
