#include "apply/career_entry.h"

#include <array>

namespace kp {
namespace {

constexpr std::string_view kInterrupted =
    "The last change to this career was interrupted; its files were put back as they were "
    "before it.";

// By PutBackOutcome, for a change cut off earlier; none for Complete.
constexpr std::array<std::string_view, 4> kCutOffTexts = {
    "",
    "The last change to this career was interrupted, and its files could not all be put back "
    "yet, so nothing was written; they are put back when the career is next selected.",
    "The last change to this career was interrupted and its files have been written since, so "
    "nothing was written; the README tells how to put them back by hand.",
    "The last change to this career was interrupted and the kept copy of its files is missing "
    "or damaged, so nothing was written; the README tells how to put them back by hand.",
};

// By PutBackOutcome, for a change put back right after it failed.
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
        case Entry::NotPutBack:
            show(std::string(kCutOffTexts[Index(*entered.cutOff)]));
            return false;
        case Entry::Ready:
            break;
    }
    if (entered.cutOff && entered.cutOffHadNewFiles) {
        show(std::string(kInterrupted));
    }
    return true;
}

void TellRollBack(PutBackOutcome outcome, const ShowMessage& show) {
    show(std::string(kRollBackTexts[Index(outcome)]));
}

}  // namespace kp
