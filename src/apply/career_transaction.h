// One change to a career's files, all or nothing, under the career's lock:
// "Make Changes", "Undo Last Changes..." and the put-back at selection all go
// through it.
//
// The calling sequence, each call allowed only in the state named; any other
// call ends the program with a message, in every build, because a change
// driven out of order could replace a file that was never recorded:
//
//   New ──Enter()──> Entered (when Ready; any other entry: Closed)
//   Entered: Record(), CheckUndo()
//            ──Undo()──> Done
//            ──Begin()──> Begun
//   Begun:   Watch(), Replace() any number of times, ReplacedAny()
//            ──Commit()──> Done (true) or stays Begun (false)
//            ──RollBack()──> Done
//   Done, Closed: only ReplacedAny(), Blocked() and the destructor.
//
// What each state promises:
//   Entered  the lock is ours and held until the end; the record on the disk
//            is the one Record() gives, with no change under way; nothing a
//            cut-off run left lies in the folder.
//   Begun    nothing is written until Replace(); before a file is replaced
//            its old content is kept and the record (under way) names it,
//            and it is replaced only while it holds what the change read,
//            checked in the same step as the replacement where the file
//            system can swap two names (renameat2), else just before it.
//            Leaving Begun without Commit() puts back whatever was replaced.
//   Done     the change is whole (its kept content the undo point), or put
//            back as far as the disk let it: a file counts as put back only
//            when it holds its old content, and whatever is not yet put back
//            keeps its record line and its kept content, to be put back the
//            next time the career is entered.
// A put-back checks every file it must put back (what it holds, its kept
// content, whether it can be replaced) before it replaces the first one.
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
    Blocked,       // a file cannot be replaced for a lasting reason (Blocked()): left as it is
};

// A file a put-back or an Undo cannot replace, and why.
struct BlockedFile {
    std::string path;  // relative to the career folder
    Replaceable why = Replaceable::Yes;
};

enum class Entry {
    Ready,
    Busy,        // another copy of the program holds the career's lock
    Refused,     // the record is not one this program wrote; nothing was touched
    NotPutBack,  // a change cut off earlier could not be put back in full
    Unreadable,  // the record cannot be read just now; nothing was touched
};

struct Entered {
    Entry entry = Entry::Ready;
    // A change cut off earlier that was found, and how putting it back went.
    std::optional<PutBackOutcome> cutOff;
    bool cutOffHadNewFiles = false;  // whether putting it back changed any file
    std::string problem;             // with Refused and Unreadable
};

enum class UndoCheck {
    Ready,
    ChangedSince,    // a file no longer holds what the change wrote or left
    Gone,            // a file the change wrote or left is no longer there
    Unreadable,      // a file of the career cannot be read just now
    KeptDamaged,     // a kept content is missing or not what was kept
    NotReplaceable,  // a file cannot be replaced now
};

struct UndoReadiness {
    UndoCheck check = UndoCheck::Ready;
    BlockedFile file;  // with Gone, Unreadable and NotReplaceable: which, and why
};

enum class ReplaceResult {
    Replaced,
    Failed,        // the file is as it was and the temporary file removed
    ChangedSince,  // the file no longer held what was read: left as it is
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
    const ChangeRecord& Record() const;
    // Whether Undo() could put every file back now, without changing anything.
    UndoReadiness CheckUndo();

    // A new change; nothing is written before its first replacement, and
    // until it is whole the undo point before it stays.
    void Begin(std::int64_t madeAt, const std::vector<std::filesystem::path>& temps);
    // A career file the change leaves alone, as it is now.
    void Watch(const std::filesystem::path& file, const Content& content);
    // Keeps the file's old content, records it, then puts the finished
    // temporary file in the file's place if the file still holds `old`.
    ReplaceResult Replace(const std::filesystem::path& file, const std::filesystem::path& temp,
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
    // With PutBackOutcome::Blocked: the file that stopped the put-back.
    const BlockedFile& Blocked() const { return blocked_; }

  private:
    enum class Phase { New, Entered, Begun, Done, Closed };
    void Require(Phase phase, const char* call) const;
    PutBackOutcome PutBack(ChangeRecord underWay);
    ReplaceResult Swap(const std::filesystem::path& file, const std::filesystem::path& temp,
                       const Content& old);
    void Forget(const std::filesystem::path& kept);
    void RemoveTemps(const std::vector<std::string>& temps);
    bool IsSaveTemp(const std::string& relative);
    void RemoveLeftovers();
    void RemoveSaveTemps(const std::string& patrolFolder);
    std::optional<Content> Own(const std::string& relative);
    std::string Relative(const std::filesystem::path& path) const;
    std::filesystem::path Absolute(const std::string& relative) const;

    FileOps& ops_;
    std::filesystem::path careerFolder_;
    std::unique_ptr<FolderLock> lock_;
    ChangeRecord record_;  // as on the disk
    RecordedChange change_;
    Phase phase_ = Phase::New;
    bool tempLeft_ = false;
    BlockedFile blocked_;
};

}  // namespace kp
