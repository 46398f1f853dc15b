// "Make Changes" once the entries are accepted: the career's files, or the
// newest save of a patrol at sea, rewritten in a fixed order.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "apply/return_date.h"
#include "apply/temp_copy.h"
#include "career/career_read.h"
#include "career/codes.h"
#include "grid/random_source.h"
#include "platform/file_ops.h"

namespace kp {

// Normalises the upper-cased grid entry in place and checks the days in
// port; the refusal to show, or empty when both are accepted.
std::string_view CheckEntries(std::string& grid, int daysInPort);

struct ChangeRequest {
    // The career's files as the selection read them: nothing else is written over.
    SeenFiles seen;
    std::int64_t madeAt;  // seconds since 1970 UTC, for the undo point
    std::string grid;     // as CheckEntries left it
    BaseDecision base;
    SeaStatus seaStatus;
    // The class the grids are drawn for, which the radar rule goes by: the
    // boat's, a Type XXI as the Type VII or IX its first draw made it.
    BoatClass gridClass;
    WorkingDate lastPatrolEnd;
    float hullIntegrity;  // as loaded
    bool autoRadarUpdate;
    int enteredMed;
    YearMonth start;                 // of the next patrol
    std::optional<NewestSave> save;  // at sea
};

// How the command speaks to the user while it runs: messages in the order
// they arise, and the one question, answered true to go on.
struct ChangeDialogue {
    ShowMessage show;
    std::function<bool(const std::string& question)> ask;
};

enum class ChangeEnd {
    Close,
    StayOpen,
    Reload,  // the files changed since the career was read: read it again, stay open
};

struct ChangeResult {
    ChangeEnd end;
};

// The files are replaced all or none, one change at a time per career, and
// only while they hold what the selection read; the old content of the last
// whole change stays as the career's undo point.
ChangeResult ApplyChanges(FileOps& ops, RandomSource& random, const ChangeRequest& request,
                          const ChangeDialogue& dialogue);

}  // namespace kp
