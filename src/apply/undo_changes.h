// "Undo Last Changes...": the career's undo point put back, after the user
// has seen which change of which career it undoes; and a change cut off by a
// crash, put back before the career is read again.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "apply/apply_changes.h"
#include "platform/file_ops.h"

namespace kp {

// "8 December 2026 at 14:03", on the user's clock.
std::string ChangeTimeText(std::int64_t secondsSince1970);

// True when files were put back, so that the career is to be read again.
bool UndoLastChanges(FileOps& ops, const std::filesystem::path& careerFolder,
                     const ChangeDialogue& dialogue);

// Before the career is read, unless another copy is at work on it: a change
// cut off earlier is put back, and what cut-off runs left is removed.
void PutRightInterruptedChange(FileOps& ops, const std::filesystem::path& careerFolder,
                               const ShowMessage& show);

}  // namespace kp
