// One writer's file changed as "Make Changes" changes each of its files:
// inside the career's transaction, the copy prepared, put in the file's
// place and the change made whole. The messages are the copy's own; what
// the command tells the user after a replacement is its own affair.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "apply/temp_copy.h"

namespace kp {

// Ready when the file was replaced and the change recorded whole; Failed
// when the career could not be entered or the copy not put in place.
WriteOutcome ChangeOneFile(FileOps& ops, const std::filesystem::path& careerFolder,
                           const Writer& writer, const ShowMessage& show);

// The names in `folder`, sorted, without the transaction's own files (its
// lock, record and kept content).
std::vector<std::string> NamesBesideTheRecord(const std::filesystem::path& folder);

}  // namespace kp
