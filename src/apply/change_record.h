// The record of a career's change, kept in the career folder beside the old
// content of every file the change replaced:
//   KelmarPatrol.undo     the record (plain text, readable by a player)
//   KelmarPatrol.undoN    the old content of each file, N from 1
// No "*.cfg" or "*.psc" search matches these names.
//
// The record lies on the player's disk, where anyone may have edited it, so
// it is read as untrusted input: it may name only the career's own files
// and the program's own temporary and kept names, and a record that names
// anything else is refused whole.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "career/content_hash.h"
#include "career/file_names.h"
#include "platform/file_ops.h"

namespace kp {

inline constexpr std::string_view kRecordName = "KelmarPatrol.undo";
// The record is written whole under this name, then put in its place.
inline constexpr std::string_view kRecordTempName = "KelmarPatrol.undo.new";
// A change replaces the three career files at most; while one is under way
// the undo point before it keeps its own kept names, so there are two sets.
inline constexpr std::size_t kMaxReplaced = kCareerFiles.size();
inline constexpr std::size_t kKeptNames = 2 * kMaxReplaced;

// The last second of the year 9999: a later time is no change of ours.
inline constexpr std::int64_t kLatestMadeAt = 253402300799;

// "KelmarPatrol.undo1" for 0.
std::string KeptName(std::size_t index);
// One of the kKeptNames names KeptName gives.
bool IsKeptName(std::string_view name);

enum class RecordState {
    None,      // no record: no change under way and no undo point
    UnderWay,  // files are being replaced, or put back
    Whole,     // the change is complete; its kept content is the undo point
};

// Paths are relative to the career folder, "/" between names.
struct ReplacedFile {
    std::string path;
    std::string kept;  // the name of its old content in the career folder
    Content old;
    Content fresh;
};

// A career file the change left alone, as it was when the change was made:
// once the simulation writes it, the change is no longer undone.
struct WatchedFile {
    std::string path;
    Content content;
};

struct RecordedChange {
    std::int64_t madeAt = 0;  // seconds since 1970 UTC, within kLatestMadeAt
    std::vector<ReplacedFile> files;
    std::vector<WatchedFile> watched;
    // Its temporary files, removed when a change cut off is put back.
    std::vector<std::string> temps;
};

struct ChangeRecord {
    RecordState state = RecordState::None;
    RecordedChange change;
    // Under way: the undo point before the change, which stays the career's
    // undo point when the change is put back.
    std::optional<RecordedChange> prior;
};

struct RecordRead {
    ChangeRecord record;  // state None when there is no record
    std::string problem;  // not empty: the record was refused, and why
    // With a problem: the record could not be read just now (held, denied,
    // an error of the disk), which says nothing of what it holds.
    bool unreadable = false;
};

RecordRead ReadRecord(FileOps& ops, const std::filesystem::path& careerFolder);

// Written whole under another name, on the disk, then put in place in one
// step; a record of state None is removed instead. False, with the record
// on the disk as it was, when that fails.
bool WriteRecord(FileOps& ops, const std::filesystem::path& careerFolder,
                 const ChangeRecord& record);

// The record's text, as WriteRecord writes it.
std::string RecordText(const ChangeRecord& record);

}  // namespace kp
