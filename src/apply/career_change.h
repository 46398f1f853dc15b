// One change to a career, all or nothing: before a file is replaced, its old
// content is kept beside the career's files and a record names every file
// the change has replaced so far, with the size and fingerprint of its old
// and new content. A failure puts back what was replaced; a change cut off
// by a crash is put back the next time the career is read; and the kept
// content of the last whole change is the career's one undo point.
//
// In the career folder, under names no "*.cfg" or "*.psc" search matches:
//   KelmarPatrol.undo    the record (plain text)
//   KelmarPatrol.undo1.. the old content of each file, in the record's order
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "apply/content_hash.h"
#include "platform/file_ops.h"

namespace kp {

// The record is written whole under this name, then put in its place.
inline constexpr std::string_view kRecordTempName = "KelmarPatrol.undo.new";

struct ChangedFile {
    std::string path;  // relative to the career folder, "/" between names
    std::string kept;  // the name of its old content in the career folder
    Content old;
    Content fresh;
};

// A file of the career the change left alone, as it was when the change
// was whole: once the simulation writes it, the change is no longer undone.
struct WatchedFile {
    std::string path;
    Content content;
};

struct UndoPoint {
    std::int64_t madeAt = 0;  // seconds since 1970 UTC
    bool whole = false;       // false while the change is under way
    std::vector<ChangedFile> files;
    std::vector<WatchedFile> watched;
    // The change's temporary files, relative like the files: removed with a
    // change that is put back after it was cut off.
    std::vector<std::string> temps;
};

// Only what a change of ours can have written is accepted: paths inside the
// career folder, kept names of our own.

std::optional<UndoPoint> ReadUndoPoint(FileOps& ops, const std::filesystem::path& careerFolder);

class CareerChange {
  public:
    // `temps`: every temporary file the change may create, so that a change
    // cut off in the middle can take them away; `watched`: the career's files
    // whose writing by the simulation ends the undo point, replaced or not.
    CareerChange(FileOps& ops, std::filesystem::path careerFolder, std::int64_t madeAt,
                 const std::vector<std::filesystem::path>& temps,
                 std::vector<std::filesystem::path> watched = {});

    // Keeps the file's old content, records it, then puts the finished
    // temporary file in the file's place. False, with the file as it was and
    // the temporary file removed, when any step fails, and when the last
    // change is still under way (it must be put back first).
    bool Replace(const std::filesystem::path& file, const std::filesystem::path& temp,
                 const Content& old, const Content& fresh);
    bool Empty() const { return point_.files.empty(); }
    // Puts the old content back into every file replaced so far; the undo
    // point goes with it. False when a file could not be put back: the
    // record then stays, and the next reading of the career finishes the job.
    bool PutBack();
    // The change is whole; its kept content is now the undo point. False
    // when that could not be recorded: the change is then to be put back.
    bool Finish();

  private:
    bool Record();

    FileOps& ops_;
    std::filesystem::path careerFolder_;
    std::vector<std::filesystem::path> watched_;
    UndoPoint point_;
};

enum class UndoCheck {
    Ready,
    ChangedSince,  // a file no longer holds what the change wrote or left
    KeptDamaged,   // a kept content is missing or not what was kept
};

UndoCheck CheckUndo(FileOps& ops, const std::filesystem::path& careerFolder,
                    const UndoPoint& point);

// Puts back the old content of every file of the undo point that holds its
// new content, then removes the undo point. False when a file could not be
// put back; the record then says the change is under way, so that the next
// reading of the career finishes putting it back.
bool PutBackUndoPoint(FileOps& ops, const std::filesystem::path& careerFolder, UndoPoint point);

enum class Recovery {
    Nothing,  // no change under way, or one that had replaced nothing yet
    PutBack,
    Failed,  // a file could not be put back; the record stays
    Stuck,   // a file holds neither content; everything is left as it is
};

// A change cut off before it was whole is put back: every file that holds
// its new content gets its old content again, and the change's temporary
// files go. Files that hold neither (the simulation has written them since)
// are left alone, and so is the record.
Recovery RecoverInterruptedChange(FileOps& ops, const std::filesystem::path& careerFolder);

}  // namespace kp
