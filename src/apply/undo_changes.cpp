#include "apply/undo_changes.h"

#include <array>
#include <cstdio>

#include "apply/career_entry.h"
#include "apply/career_transaction.h"
#include "career/code_tables.h"
#include "platform/local_time.h"
#include "platform/path_text.h"

namespace kp {
namespace {

constexpr std::string_view kNoUndoPoint = "There is no change to undo for this career.";
constexpr std::string_view kChangedSince =
    "The files of this career have changed since the last change (the simulation has played "
    "on), so it can no longer be undone.";
constexpr std::string_view kUnreadable =
    "A file of this career cannot be read just now (the simulation or another program may be "
    "holding it), so the change was not undone; try again once it is free.";
constexpr std::string_view kKeptDamaged =
    "The kept copy of the files before the last change is missing or damaged, so the change "
    "cannot be undone.";
constexpr std::string_view kNothingChanged =
    "The change could not be undone, because its record could not be written (is the disk full "
    "or the folder read-only?); nothing was changed.";

// By PutBackOutcome; none for Complete, when the career is read again, and Blocked.
constexpr std::array<std::string_view, 4> kUndoTexts = {
    "",
    "Not every file could be put back; the rest are put back when the career is next selected.",
    "Not every file could be put back; the README tells how to put them back by hand.",
    "Not every file could be put back; the README tells how to put them back by hand.",
};

// "a", "a and b", "a, b and c".
std::string FileList(const RecordedChange& change) {
    std::string text;
    for (std::size_t i = 0; i < change.files.size(); ++i) {
        if (i > 0) {
            text += i + 1 == change.files.size() ? " and " : ", ";
        }
        text += change.files[i].path;
    }
    return text;
}

bool ReadyToUndo(CareerTransaction& transaction, const ShowMessage& show) {
    const UndoReadiness ready = transaction.CheckUndo();
    switch (ready.check) {
        case UndoCheck::Ready:
            return true;
        case UndoCheck::ChangedSince:
            show(std::string(kChangedSince));
            return false;
        case UndoCheck::Gone:
            show("The file " + ready.file.path +
                 " of this career is gone since the last change (the simulation has played on), "
                 "so the change can no longer be undone.");
            return false;
        case UndoCheck::NotReplaceable: {
            std::string remedy(RemedyText(ready.file.why));
            remedy[0] = static_cast<char>(remedy[0] - 'a' + 'A');
            show("The change was not undone and nothing was changed, because " +
                 ReasonText(ready.file) + ". " + remedy + " and choose Undo again.");
            return false;
        }
        case UndoCheck::Unreadable:
            show(std::string(kUnreadable));
            return false;
        case UndoCheck::KeptDamaged:
            show(std::string(kKeptDamaged));
            return false;
    }
    return false;
}

}  // namespace

std::string ChangeTimeText(std::int64_t secondsSince1970) {
    const LocalTime t = ToLocalTime(secondsSince1970);
    char clock[16];
    std::snprintf(clock, sizeof clock, "%02d:%02d", t.hour, t.minute);
    return std::to_string(t.day) + " " + std::string(MonthName(t.month)) + " " +
           std::to_string(t.year) + " at " + clock;
}

bool UndoLastChanges(FileOps& ops, const std::filesystem::path& careerFolder,
                     const ChangeDialogue& dialogue) {
    CareerTransaction transaction(ops, careerFolder);
    if (!EnterTelling(transaction, EntryPurpose::Change, dialogue.show)) {
        return false;
    }
    const ChangeRecord& record = transaction.Record();
    if (record.state != RecordState::Whole) {
        dialogue.show(std::string(kNoUndoPoint));
        return false;
    }
    if (!ReadyToUndo(transaction, dialogue.show)) {
        return false;
    }
    const std::string question =
        "Undo the change made to the career " + Utf8FromPath(careerFolder.filename()) + " on " +
        ChangeTimeText(record.change.madeAt) +
        "?\nFiles put back as they were before it: " + FileList(record.change) + ".";
    // The simulation may have written while the question was open.
    if (!dialogue.ask(question) || !ReadyToUndo(transaction, dialogue.show)) {
        return false;
    }
    const std::optional<PutBackOutcome> outcome = transaction.Undo();
    if (!outcome) {
        dialogue.show(std::string(kNothingChanged));
        return false;
    }
    if (*outcome == PutBackOutcome::Blocked) {
        const BlockedFile& blocked = transaction.Blocked();
        dialogue.show("Not every file could be put back, because " + ReasonText(blocked) +
                      ". To put them back, " + std::string(RemedyText(blocked.why)) +
                      " and select the career again.");
    } else if (*outcome != PutBackOutcome::Complete) {
        dialogue.show(std::string(kUndoTexts[static_cast<std::size_t>(*outcome)]));
    }
    return true;
}

void PutRightInterruptedChange(FileOps& ops, const std::filesystem::path& careerFolder,
                               const ShowMessage& show) {
    CareerTransaction transaction(ops, careerFolder);
    EnterTelling(transaction, EntryPurpose::Selection, show);
}

}  // namespace kp
