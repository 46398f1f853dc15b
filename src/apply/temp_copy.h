// The first half of every change to a file of the simulation: the file is
// copied line by line into a temporary file beside it, edited on the way,
// judged and written through to the disk. The file itself is not touched;
// a copy that fails anywhere is thrown away. A career change then puts the
// finished copies in their files' places.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "career/content_hash.h"
#include "career/file_messages.h"
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
    // The career file named when it cannot be opened; none: nothing is said.
    std::optional<CareerFileKind> file;
    std::string errorMark;
    std::string failed;  // a wrong key count, or a copy that could not be made
    std::string done;    // after the replacement; empty: none
};

// What becomes of a change when a writer's copy is refused (error mark, key count).
enum class WhenRefused {
    GoOn,     // the file is left as it is and the change goes on without it
    PutBack,  // the change is put back: it means nothing without this file
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
    WhenRefused whenRefused = WhenRefused::GoOn;
};

enum class WriteOutcome {
    CannotOpen,        // the file could not be opened for reading
    CannotCreateTemp,  // the temporary file could not be created
    Discarded,         // error mark or wrong key count
    Failed,            // reading or writing failed
    Cancelled,         // a key edit asked to stop
    Ready,             // the new content is complete in the temporary file
};

struct PreparedFile {
    WriteOutcome outcome = WriteOutcome::CannotOpen;
    Content old;    // with Ready: what the file holds
    Content fresh;  // with Ready: what the temporary file holds
    // By the writer's keys: how many lines each one took, judged or not.
    std::vector<int> hits;
};

using ShowMessage = std::function<void(const std::string&)>;

// Shows the writer's message for every outcome but Ready and Cancelled, and
// leaves no temporary file behind unless Ready.
PreparedFile PrepareTempFile(FileOps& ops, const Writer& writer, const ShowMessage& show);

// What `messages` say of `file` when it may not be replaced for `why`;
// where they name no career file, `file` is the save of a patrol at sea.
std::string NotReplaceableText(const WriterMessages& messages, const std::filesystem::path& file,
                               Replaceable why);

// How many lines the writer's `key` took in the copy.
int HitsOf(const Writer& writer, const PreparedFile& prepared, std::string_view key);

bool CanOpenForReading(FileOps& ops, const std::filesystem::path& file);

// What `messages` say of `file` when it could not be opened for `failure`;
// empty: nothing.
std::string CannotOpenText(const WriterMessages& messages, const std::filesystem::path& file,
                           const OpenFailure& failure);

}  // namespace kp
