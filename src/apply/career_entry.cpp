#include "apply/career_entry.h"

#include <array>

namespace kp {
namespace {

constexpr std::string_view kInterrupted =
    "The last change to this career was interrupted; its files were put back as they were "
    "before it.";

// By PutBackOutcome, for a change cut off earlier; none for Complete and Blocked.
constexpr std::array<std::string_view, 4> kCutOffTexts = {
    "",
    "The last change to this career was interrupted, and its files could not all be put back "
    "yet, so nothing was written; they are put back when the career is next selected.",
    "The last change to this career was interrupted and its files have been written since, so "
    "nothing was written; the README tells how to put them back by hand.",
    "The last change to this career was interrupted and the kept copy of its files is missing "
    "or damaged, so nothing was written; the README tells how to put them back by hand.",
};

// By PutBackOutcome, for a change put back right after it failed; none for Blocked.
constexpr std::array<std::string_view, 4> kRollBackTexts = {
    "The change could not be made in full, so the career was left as it was.",
    "The change could not be made in full, and not every file could be put back yet; they are "
    "put back when the career is next selected.",
    "The change could not be made in full, and not every file could be put back; the README "
    "tells how to put them back by hand.",
    "The change could not be made in full, and not every file could be put back; the README "
    "tells how to put them back by hand.",
};

std::size_t Index(PutBackOutcome outcome) {
    return static_cast<std::size_t>(outcome);
}

}  // namespace

std::string ReasonText(const BlockedFile& blocked) {
    switch (blocked.why) {
        case Replaceable::ReadOnlyFile:
            return blocked.path + " is marked read-only";
        case Replaceable::ReadOnlyFolder:
            return "the folder of " + blocked.path + ", or the disk it lies on, takes no changes";
        case Replaceable::Held:
            return blocked.path + " is held by another program";
        case Replaceable::Yes:
            break;
    }
    return blocked.path + " cannot be replaced";
}

std::string_view RemedyText(Replaceable why) {
    switch (why) {
        case Replaceable::ReadOnlyFile:
            return "clear its read-only mark";
        case Replaceable::ReadOnlyFolder:
            return "make the folder writable";
        case Replaceable::Held:
        case Replaceable::Yes:
            break;
    }
    return "wait until the file is free";
}

bool EnterTelling(CareerTransaction& transaction, EntryPurpose purpose, const ShowMessage& show) {
    const Entered entered = transaction.Enter();
    switch (entered.entry) {
        case Entry::Busy:
            if (purpose == EntryPurpose::Change) {
                show(std::string(kCareerBusy));
            }
            return false;
        case Entry::Refused:
            show("The record of this career's last change, " + std::string(kRecordName) +
                 " in its folder, was left alone and nothing was written: " + entered.problem +
                 ". Move that file out of the folder to go on; the README tells how to put the "
                 "files back by hand.");
            return false;
        case Entry::Unreadable:
            show("The record of this career's last change, " + std::string(kRecordName) +
                 " in its folder, cannot be read just now (" + entered.problem +
                 "), so nothing was written; select the career again once it can be read.");
            return false;
        case Entry::NotPutBack:
            if (*entered.cutOff == PutBackOutcome::Blocked) {
                const BlockedFile& blocked = transaction.Blocked();
                show(
                    "The last change to this career was interrupted, and its files cannot be "
                    "put back because " +
                    ReasonText(blocked) + ", so nothing was written. To put them back, " +
                    std::string(RemedyText(blocked.why)) + " and select the career again.");
            } else {
                show(std::string(kCutOffTexts[Index(*entered.cutOff)]));
            }
            return false;
        case Entry::Ready:
            break;
    }
    if (entered.cutOff && entered.cutOffHadNewFiles) {
        show(std::string(kInterrupted));
    }
    return true;
}

void TellRollBack(PutBackOutcome outcome, const BlockedFile& blocked, const ShowMessage& show) {
    if (outcome == PutBackOutcome::Blocked) {
        show("The change could not be made in full, and its files cannot be put back because " +
             ReasonText(blocked) + ". To put them back, " + std::string(RemedyText(blocked.why)) +
             " and select the career again.");
        return;
    }
    show(std::string(kRollBackTexts[Index(outcome)]));
}

}  // namespace kp
