// "Undo Last Changes...": the career's undo point put back, after the user
// has seen when the change was made and which files it puts back.
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

// A change cut off before it was whole is put back before the career is read;
// the user hears of it when that changed any file.
void PutRightInterruptedChange(FileOps& ops, const std::filesystem::path& careerFolder,
                               const ShowMessage& show);

}  // namespace kp
