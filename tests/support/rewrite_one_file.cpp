#include "rewrite_one_file.h"

namespace kp {

WriteOutcome RewriteThroughTempFile(FileOps& ops, const Writer& writer, const ShowMessage& show) {
    const PreparedFile prepared = PrepareTempFile(ops, writer, show);
    if (prepared.outcome != WriteOutcome::Ready) {
        return prepared.outcome;
    }
    if (!ops.Replace(writer.temp, writer.file)) {
        ops.Remove(writer.temp);
        show(writer.messages.failed);
        return WriteOutcome::Failed;
    }
    if (!writer.messages.done.empty()) {
        show(writer.messages.done);
    }
    return WriteOutcome::Ready;
}

}  // namespace kp
