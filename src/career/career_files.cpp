#include "career/career_files.h"

#include "career/file_names.h"
#include "career/line_io.h"
#include "platform/path_text.h"

namespace kp {

std::filesystem::path CareerFolder(FileOps& ops, const std::string& cfgPath,
                                   const std::string& career) {
    const auto careers = FindEntry(ops, PathFromUtf8(cfgPath), kCareersFolder);
    return career.empty() ? careers : careers / PathFromUtf8(career);
}

ReadOutcome ReadTargetSection(FileOps& ops, const std::filesystem::path& file, SectionScan& scan,
                              const std::vector<KeyReader>& readers,
                              std::optional<Content>& content) {
    content.reset();
    const auto input = ops.OpenRead(file);
    if (!input) {
        return ReadOutcome::CannotOpen;
    }
    HashingInput hashing(*input);
    LineReader reader(hashing);
    LineView line;
    while (!scan.Stopped() && reader.Next(line)) {
        if (scan.Feed(line.text, line.HasEnd()) != ScanStep::Target) {
            continue;
        }
        for (const KeyReader& key : readers) {
            if (line.text.starts_with(key.key)) {
                key.read(line.text.substr(key.key.size()));
                break;
            }
        }
    }
    if (reader.Failed()) {
        return ReadOutcome::ReadFailed;
    }
    // What follows the target section is fingerprinted too, in runs.
    std::string_view run;
    while (reader.NextRun(std::nullopt, run) || reader.Next(line)) {
    }
    if (!reader.Failed()) {
        content = hashing.Result();
    }
    return ReadOutcome::Read;
}

}  // namespace kp
