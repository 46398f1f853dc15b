// One writer's whole run on one file, as the tests of the writers and of the
// copy need it: the copy prepared, then put in the file's place, and the
// writer's message after the replacement shown once it is there.
#pragma once

#include "apply/safe_replace.h"

namespace kp {

// Ready when the file was replaced.
WriteOutcome RewriteThroughTempFile(FileOps& ops, const Writer& writer, const ShowMessage& show);

}  // namespace kp
