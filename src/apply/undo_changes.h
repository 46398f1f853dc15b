// "Undo Last Changes...": the career's undo point put back, after the user
// has seen when the change was made and which files it puts back; and a
// change cut off by a crash, put back before the career is used again.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "apply/make_changes.h"
#include "platform/file_ops.h"

namespace kp {

// "2026-12-08 at 14:05 UTC".
std::string ChangeTimeText(std::int64_t secondsSince1970);

// True when the files were put back, so that the career is to be read again.
bool UndoLastChanges(FileOps& ops, const std::filesystem::path& careerFolder,
                     const ChangeDialogue& dialogue);

// With the career's lock held: a change cut off before it was whole is put
// back (the user hears of it when that changed a file), and temporary files
// a cut-off run left are removed. False while a change is still under way,
// after the message that says why; nothing may then be written.
bool PutRightUnderLock(FileOps& ops, const std::filesystem::path& careerFolder,
                       const ShowMessage& show);

// The same before the career is read, unless another copy holds the lock.
void PutRightInterruptedChange(FileOps& ops, const std::filesystem::path& careerFolder,
                               const ShowMessage& show);

}  // namespace kp
