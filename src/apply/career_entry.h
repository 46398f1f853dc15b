// Entering a career under its lock, and what the user is told of a change
// cut off earlier or of a change that had to be put back.
#pragma once

#include "apply/career_transaction.h"
#include "apply/temp_copy.h"

namespace kp {

inline constexpr std::string_view kCareerBusy =
    "Another copy of this program is changing this career right now, so nothing was written; "
    "try again once it has finished.";

enum class EntryPurpose {
    Selection,  // before the career is read: another copy at work is no news
    Change,     // before files are written or put back
};

// True when the transaction may go on; otherwise the user has been told why.
bool EnterTelling(CareerTransaction& transaction, EntryPurpose purpose, const ShowMessage& show);

// After a change that could not be made in full was put back; `blocked`
// with PutBackOutcome::Blocked.
void TellRollBack(PutBackOutcome outcome, const BlockedFile& blocked, const ShowMessage& show);

// Why `blocked` cannot be replaced ("patrols_0.cfg is marked read-only").
std::string ReasonText(const BlockedFile& blocked);
// What the player can do about it ("clear its read-only mark"), lower case.
std::string_view RemedyText(Replaceable why);

}  // namespace kp
