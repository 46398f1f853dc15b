// "Make Changes" once the entries are accepted: the career's files, or the
// newest save of a patrol at sea, rewritten in a fixed order.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "apply/return_date.h"
#include "apply/safe_replace.h"
#include "career/codes.h"
#include "grid/random_source.h"
#include "platform/file_ops.h"

namespace kp {

// Normalises the upper-cased grid entry in place and checks the days in
// port; the refusal to show, or empty when both are accepted.
std::string_view CheckEntries(std::string& grid, int daysInPort);

struct ChangeRequest {
    std::filesystem::path careerFolder;
    std::int64_t madeAt;  // seconds since 1970 UTC, for the undo point
    std::string grid;     // as CheckEntries left it
    int daysInPort;
    TankerChoice tankerChoice;
    SeaStatus seaStatus;
    BoatClass boatClass;
    WorkingDate lastPatrolEnd;
    float hullIntegrity;  // as loaded
    bool autoRadarUpdate;
    int enteredMed;
    YearMonth start;             // of the next patrol
    std::filesystem::path save;  // at sea: the newest save, and its path without ".psc"
    std::filesystem::path saveStem;
};

// How the command speaks to the user while it runs: messages in the order
// they arise, and the one question, answered true to go on.
struct ChangeDialogue {
    ShowMessage show;
    std::function<bool(const std::string& question)> ask;
};

enum class ChangeEnd { Close, StayOpen };

struct ChangeResult {
    ChangeEnd end;
    float hullIntegrity;  // as the history was written
};

// The files are replaced all or none, one change at a time per career; the
// old content of the last whole change stays as the career's undo point.
ChangeResult ApplyChanges(FileOps& ops, RandomSource& random, const ChangeRequest& request,
                          const ChangeDialogue& dialogue);

inline constexpr std::string_view kCareerBusy =
    "Another copy of this program is changing this career right now, so nothing was written; "
    "try again once it has finished.";

}  // namespace kp
