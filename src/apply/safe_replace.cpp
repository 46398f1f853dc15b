#include "apply/safe_replace.h"

#include "career/line_io.h"

namespace kp {
namespace {

void Show(const ShowMessage& show, const std::string& text) {
    if (!text.empty()) {
        show(text);
    }
}

const KeyRule* RuleFor(const Writer& writer, std::string_view text) {
    for (const KeyRule& rule : writer.keys) {
        if (text.starts_with(rule.key)) {
            return &rule;
        }
    }
    return nullptr;
}

struct CopyResult {
    bool cancelled = false;
    bool readFailed = false;
    bool scanError = false;
    int keyCount = 0;
};

// Copies every line, editing the ones the writer's keys take.
CopyResult Copy(const Writer& writer, LineReader& reader, LineWriter& out) {
    CopyResult result;
    std::optional<SectionScan> scan;
    if (writer.profile) {
        scan.emplace(*writer.profile);
    }
    LineView line;
    std::string_view run;
    for (;;) {
        // Lines that cannot matter are copied in runs, not one by one.
        if (scan && (scan->Searching() || scan->Stopped())) {
            const auto first = scan->Searching() ? std::optional<char>('[') : std::nullopt;
            if (reader.NextRun(first, run)) {
                out.PutRun(run);
                continue;
            }
        }
        if (!reader.Next(line)) {
            break;
        }
        const ScanStep step =
            scan && !scan->Stopped() ? scan->Feed(line.text, line.HasEnd()) : ScanStep::Pass;
        if (step == ScanStep::Stop && scan->Error()) {
            result.scanError = true;
            return result;
        }
        const bool offered = scan ? step == ScanStep::Target : true;
        const KeyRule* rule = offered ? RuleFor(writer, line.text) : nullptr;
        if (rule == nullptr) {
            out.Put(line, reader);
            continue;
        }
        const KeyEdit edit = rule->edit(line.text.substr(rule->key.size()));
        if (edit.action == EditAction::Abort) {
            result.cancelled = true;
            return result;
        }
        if (rule->counted) {
            ++result.keyCount;
        }
        if (edit.action == EditAction::Replace) {
            reader.SkipRest(line);
            out.PutEdited(std::string(rule->key) + edit.value, line);
        } else {
            out.Put(line, reader);
        }
    }
    result.readFailed = reader.Failed();
    if (!result.readFailed && result.keyCount == 0 && writer.lineWhenNoKey) {
        if (out.LastLineOpen()) {
            out.PutRaw(out.FileEnd());
        }
        out.PutNew(*writer.lineWhenNoKey);
    }
    return result;
}

bool WriteThrough(LineWriter& out, OutputFile& temp) {
    const bool written = out.Finish();
    const bool flushed = written && temp.Flush();
    const bool synced = flushed && temp.Sync();
    const bool closed = temp.Close();
    return synced && closed;
}

}  // namespace

bool CanOpenForReading(FileOps& ops, const std::filesystem::path& file) {
    return ops.OpenRead(file) != nullptr;
}

bool CommitTempFile(FileOps& ops, const std::filesystem::path& file,
                    const std::filesystem::path& temp, const std::string& done,
                    const ShowMessage& show) {
    if (!ops.Replace(temp, file)) {
        return false;
    }
    Show(show, done);
    return true;
}

WriteOutcome RewriteThroughTempFile(FileOps& ops, const Writer& writer, const ShowMessage& show) {
    auto input = ops.OpenRead(writer.file);
    if (!input) {
        Show(show, writer.messages.missingFile);
        return WriteOutcome::CannotOpen;
    }
    auto temp = ops.Create(writer.temp);
    if (!temp) {
        Show(show, writer.messages.failed);
        return WriteOutcome::CannotCreateTemp;
    }
    LineReader reader(*input);
    LineWriter out(*temp);
    const CopyResult copy = Copy(writer, reader, out);
    const bool written = !copy.cancelled && !copy.scanError && WriteThrough(out, *temp);
    // Both closed on every path before the file is replaced or the copy removed.
    temp.reset();
    input.reset();

    const auto discard = [&](const std::string& message, WriteOutcome outcome) {
        Show(show, message);
        ops.Remove(writer.temp);
        return outcome;
    };
    if (copy.cancelled) {
        return discard({}, WriteOutcome::Cancelled);
    }
    if (copy.readFailed) {
        return discard(writer.messages.failed, WriteOutcome::Failed);
    }
    if (copy.scanError) {
        return discard(writer.messages.errorMark, WriteOutcome::Discarded);
    }
    if (writer.expectedCount && copy.keyCount != *writer.expectedCount) {
        return discard(writer.messages.failed, WriteOutcome::Discarded);
    }
    if (!written || !CommitTempFile(ops, writer.file, writer.temp, writer.messages.done, show)) {
        return discard(writer.messages.failed, WriteOutcome::Failed);
    }
    return WriteOutcome::Committed;
}

}  // namespace kp
