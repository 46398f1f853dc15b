#include "apply/temp_copy.h"

#include "career/line_io.h"

namespace kp {
namespace {

void Show(const ShowMessage& show, const std::string& text) {
    if (!text.empty()) {
        show(text);
    }
}

// The index of the first key the line begins with, or none.
std::optional<std::size_t> RuleFor(const Writer& writer, std::string_view text) {
    for (std::size_t i = 0; i < writer.keys.size(); ++i) {
        if (text.starts_with(writer.keys[i].key)) {
            return i;
        }
    }
    return std::nullopt;
}

struct CopyResult {
    bool cancelled = false;
    bool readFailed = false;
    bool scanError = false;
    int keyCount = 0;
    std::vector<int> hits;
};

// Copies every line, editing the ones the writer's keys take.
CopyResult Copy(const Writer& writer, LineReader& reader, LineWriter& out) {
    CopyResult result;
    result.hits.assign(writer.keys.size(), 0);
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
        const auto index = offered ? RuleFor(writer, line.text) : std::nullopt;
        if (!index) {
            out.Put(line, reader);
            continue;
        }
        const KeyRule* rule = &writer.keys[*index];
        const KeyEdit edit = rule->edit(line.text.substr(rule->key.size()));
        if (edit.action == EditAction::Abort) {
            result.cancelled = true;
            return result;
        }
        ++result.hits[*index];
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

std::string CannotOpenText(const WriterMessages& messages, const std::filesystem::path& file,
                           const OpenFailure& failure) {
    if (!messages.file) {
        return {};
    }
    return CannotOpenMessage(*messages.file, FileTask::Rewrite, file.parent_path(), failure);
}

std::string NotReplaceableText(const WriterMessages& messages, const std::filesystem::path& file,
                               Replaceable why) {
    if (!messages.file) {
        return SaveNotReplaceableMessage(file, why, messages.failed);
    }
    return NotReplaceableMessage(*messages.file, why, file.parent_path(), messages.failed);
}

int HitsOf(const Writer& writer, const PreparedFile& prepared, std::string_view key) {
    for (std::size_t i = 0; i < writer.keys.size() && i < prepared.hits.size(); ++i) {
        if (writer.keys[i].key == key) {
            return prepared.hits[i];
        }
    }
    return 0;
}

PreparedFile PrepareTempFile(FileOps& ops, const Writer& writer, const ShowMessage& show) {
    PreparedFile prepared;
    auto input = ops.OpenRead(writer.file);
    if (!input) {
        Show(show, CannotOpenText(writer.messages, writer.file, ops.LastOpenFailure()));
        return prepared;
    }
    auto temp = ops.Create(writer.temp);
    if (!temp) {
        Show(show, CannotMakeTempMessage(writer.messages.failed, writer.temp,
                                         ops.LastOpenFailure().detail));
        prepared.outcome = WriteOutcome::CannotCreateTemp;
        return prepared;
    }
    HashingInput oldBytes(*input);
    HashingOutput newBytes(*temp);
    LineReader reader(oldBytes);
    LineWriter out(newBytes);
    const CopyResult copy = Copy(writer, reader, out);
    prepared.hits = copy.hits;
    const bool written = !copy.cancelled && !copy.scanError && WriteThrough(out, newBytes);
    // Both closed on every path before the copy is removed or used.
    temp.reset();
    input.reset();

    const auto discard = [&](const std::string& message, WriteOutcome outcome) {
        Show(show, message);
        ops.Remove(writer.temp);
        prepared.outcome = outcome;
        return prepared;
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
    if (!written) {
        return discard(writer.messages.failed, WriteOutcome::Failed);
    }
    prepared.outcome = WriteOutcome::Ready;
    prepared.old = oldBytes.Result();
    prepared.fresh = newBytes.Result();
    return prepared;
}

}  // namespace kp
