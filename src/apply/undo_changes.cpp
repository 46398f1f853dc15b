#include "apply/undo_changes.h"

#include <chrono>
#include <cstdio>

#include "apply/career_change.h"
#include "apply/safe_replace.h"
#include "career/file_names.h"

namespace kp {
namespace {

constexpr std::string_view kNoUndoPoint = "There is no change to undo for this career.";
constexpr std::string_view kChangedSince =
    "The files of this career have changed since the last change (the simulation has played "
    "on), so it can no longer be undone.";
constexpr std::string_view kKeptDamaged =
    "The kept copy of the files before the last change is missing or damaged, so the change "
    "cannot be undone.";
constexpr std::string_view kNotAllPutBack =
    "Not every file could be put back; the rest are put back when the career is next selected.";
constexpr std::string_view kInterrupted =
    "The last change to this career was interrupted; its files were put back as they were "
    "before it.";
constexpr std::string_view kInterruptedNotPutBack =
    "The last change to this career was interrupted, and its files could not all be put back "
    "yet, so nothing was written; they are put back when the career is next selected.";
constexpr std::string_view kInterruptedAndChanged =
    "The last change to this career was interrupted and its files have been written since, so "
    "nothing was written; the README tells how to put them back by hand.";

// "a", "a and b", "a, b and c".
std::string FileList(const UndoPoint& point) {
    std::string text;
    for (std::size_t i = 0; i < point.files.size(); ++i) {
        if (i > 0) {
            text += i + 1 == point.files.size() ? " and " : ", ";
        }
        text += point.files[i].path;
    }
    return text;
}

bool ReadyToUndo(FileOps& ops, const std::filesystem::path& careerFolder, const UndoPoint& point,
                 const ShowMessage& show) {
    switch (CheckUndo(ops, careerFolder, point)) {
        case UndoCheck::Ready:
            return true;
        case UndoCheck::ChangedSince:
            show(std::string(kChangedSince));
            return false;
        case UndoCheck::KeptDamaged:
            show(std::string(kKeptDamaged));
            return false;
    }
    return false;
}

}  // namespace

std::string ChangeTimeText(std::int64_t secondsSince1970) {
    using namespace std::chrono;
    const sys_seconds when{seconds(secondsSince1970)};
    const sys_days day = floor<days>(when);
    const year_month_day date{day};
    const hh_mm_ss time{when - day};
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u at %02d:%02d UTC",
                  static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()), static_cast<int>(time.hours().count()),
                  static_cast<int>(time.minutes().count()));
    return text;
}

bool PutRightUnderLock(FileOps& ops, const std::filesystem::path& careerFolder,
                       const ShowMessage& show) {
    switch (RecoverInterruptedChange(ops, careerFolder)) {
        case Recovery::Nothing:
            break;
        case Recovery::PutBack:
            show(std::string(kInterrupted));
            break;
        case Recovery::Failed:
            show(std::string(kInterruptedNotPutBack));
            return false;
        case Recovery::Stuck:
            show(std::string(kInterruptedAndChanged));
            return false;
    }
    // Left by a run cut off before it had replaced anything; nobody else
    // writes them while the lock is ours.
    for (const std::string_view temp : {kHistoryTempFile, kSharedTempFile, kRecordTempName}) {
        const std::filesystem::path path = FindEntry(ops, careerFolder, temp);
        if (CanOpenForReading(ops, path)) {
            ops.Remove(path);
        }
    }
    return true;
}

bool UndoLastChanges(FileOps& ops, const std::filesystem::path& careerFolder,
                     const ChangeDialogue& dialogue) {
    const LockResult lock = ops.LockFolder(careerFolder);
    if (lock.state == LockState::Busy) {
        dialogue.show(std::string(kCareerBusy));
        return false;
    }
    if (!PutRightUnderLock(ops, careerFolder, dialogue.show)) {
        return false;
    }
    const auto point = ReadUndoPoint(ops, careerFolder);
    if (!point || !point->whole) {
        dialogue.show(std::string(kNoUndoPoint));
        return false;
    }
    if (!ReadyToUndo(ops, careerFolder, *point, dialogue.show)) {
        return false;
    }
    const std::string question = "Undo the change made on " + ChangeTimeText(point->madeAt) +
                                 "?\nFiles put back as they were before it: " + FileList(*point) +
                                 ".";
    // The simulation may have written while the question was open.
    if (!dialogue.ask(question) || !ReadyToUndo(ops, careerFolder, *point, dialogue.show)) {
        return false;
    }
    if (!PutBackUndoPoint(ops, careerFolder, *point)) {
        dialogue.show(std::string(kNotAllPutBack));
    }
    return true;
}

void PutRightInterruptedChange(FileOps& ops, const std::filesystem::path& careerFolder,
                               const ShowMessage& show) {
    // Another copy in the middle of its change is not interrupted.
    const LockResult lock = ops.LockFolder(careerFolder);
    if (lock.state != LockState::Busy) {
        PutRightUnderLock(ops, careerFolder, show);
    }
}

}  // namespace kp
