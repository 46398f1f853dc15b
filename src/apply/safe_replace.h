// The one way a file of the simulation is changed: copied line by line into
// a temporary file beside it, edited on the way, judged, written through to
// the disk and put in the file's place in one step. Until that step the file
// keeps its old content; a copy that fails anywhere is thrown away.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "career/section_scan.h"
#include "platform/file_ops.h"

namespace kp {

enum class EditAction { Keep, Replace, Abort };

struct KeyEdit {
    EditAction action = EditAction::Keep;
    std::string value;  // the new text after the "=", with Replace
};

// One key of a writer: lines that begin with `key` get `edit` of their old value.
struct KeyRule {
    std::string_view key;
    bool counted;
    std::function<KeyEdit(std::string_view oldValue)> edit;
};

struct WriterMessages {
    std::string missingFile;  // empty: none
    std::string errorMark;
    std::string failed;  // a wrong key count, or a copy that could not be made
    std::string done;    // after the replacement; empty: none
};

struct Writer {
    std::filesystem::path file;
    std::filesystem::path temp;
    std::optional<ScanProfile> profile;  // none: every line is offered
    std::vector<KeyRule> keys;
    std::optional<int> expectedCount;  // none: not judged
    // Added as the last line when no counted key was met.
    std::optional<std::string> lineWhenNoKey;
    WriterMessages messages;
};

enum class WriteOutcome {
    CannotOpen,        // the file could not be opened for reading
    CannotCreateTemp,  // the temporary file could not be created
    Discarded,         // error mark or wrong key count
    Failed,            // reading, writing or the replacement failed
    Cancelled,         // a key edit asked to stop
    Committed,
};

using ShowMessage = std::function<void(const std::string&)>;

WriteOutcome RewriteThroughTempFile(FileOps& ops, const Writer& writer, const ShowMessage& show);

// Puts the finished temporary file in the file's place; shows `done` when it is there.
bool CommitTempFile(FileOps& ops, const std::filesystem::path& file,
                    const std::filesystem::path& temp, const std::string& done,
                    const ShowMessage& show);

bool CanOpenForReading(FileOps& ops, const std::filesystem::path& file);

}  // namespace kp
