// One change to a career's files, all or nothing, under the career's lock:
// "Make Changes", "Undo Last Changes..." and the put-back at selection all go
// through it. Before a file is replaced its old content is kept and the
// record names it; leaving without a commit puts back whatever was replaced;
// a change cut off by a crash is put back the next time the career is
// entered. A file counts as put back only when it holds its old content, and
// whatever is not yet put back keeps its record line and its kept content.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "apply/change_record.h"
#include "career/content_hash.h"
#include "platform/file_ops.h"

namespace kp {

enum class PutBackOutcome {
    Complete,      // every file holds its old content again
    Retry,         // a file could not be read or replaced; it is tried again on entering
    WrittenSince,  // a file holds neither content: everything was left as it is
    KeptDamaged,   // a kept content is missing or not what was kept: left as it is
};

enum class Entry {
    Ready,
    Busy,        // another copy of the program holds the career's lock
    Refused,     // the record is not one this program wrote; nothing was touched
    NotPutBack,  // a change cut off earlier could not be put back in full
};

struct Entered {
    Entry entry = Entry::Ready;
    // A change cut off earlier that was found, and how putting it back went.
    std::optional<PutBackOutcome> cutOff;
    bool cutOffHadNewFiles = false;  // whether putting it back changed any file
    std::string problem;             // with Refused
};

enum class UndoCheck {
    Ready,
    ChangedSince,  // a file no longer holds what the change wrote or left
    Unreadable,    // a file of the career cannot be read just now
    KeptDamaged,   // a kept content is missing or not what was kept
};

class CareerTransaction {
  public:
    CareerTransaction(FileOps& ops, std::filesystem::path careerFolder);
    ~CareerTransaction();
    CareerTransaction(const CareerTransaction&) = delete;
    CareerTransaction& operator=(const CareerTransaction&) = delete;

    // Takes the lock, reads the record and puts back a change cut off
    // earlier, then removes what cut-off runs left (temporary files, kept
    // content no record names). Nothing else may be done unless Ready.
    Entered Enter();

    // The record as entering left it: with Whole, the career's undo point.
    const ChangeRecord& Record() const { return record_; }
    UndoCheck CheckUndo();

    // A new change; nothing is written before its first replacement, and
    // until it is whole the undo point before it stays.
    void Begin(std::int64_t madeAt, const std::vector<std::filesystem::path>& temps);
    // A career file the change leaves alone, as it is now.
    void Watch(const std::filesystem::path& file, const Content& content);
    // Keeps the file's old content, records it, then puts the finished
    // temporary file in the file's place. False, with the file as it was and
    // the temporary file removed, when any step fails.
    bool Replace(const std::filesystem::path& file, const std::filesystem::path& temp,
                 const Content& old, const Content& fresh);
    bool ReplacedAny() const { return !change_.files.empty(); }
    // The change is whole and its kept content the undo point. False when
    // that could not be recorded; the change is then still to be put back.
    bool Commit();
    // Puts back what the change replaced; the undo point before it stays.
    PutBackOutcome RollBack();
    // Puts back the undo point. Empty when nothing was changed because the
    // record could not be marked as under way.
    std::optional<PutBackOutcome> Undo();

  private:
    PutBackOutcome PutBack(ChangeRecord underWay);
    void RemoveLeftovers();
    void RemoveSaveTemps(const std::string& patrolFolder);
    std::string Relative(const std::filesystem::path& path) const;
    std::filesystem::path Absolute(const std::string& relative) const;

    FileOps& ops_;
    std::filesystem::path careerFolder_;
    std::unique_ptr<FolderLock> lock_;
    ChangeRecord record_;  // as on the disk
    RecordedChange change_;
    bool begun_ = false;
};

}  // namespace kp
