// Where a career's files are, and the reading of a .cfg file's target section.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "career/content_hash.h"
#include "career/section_scan.h"
#include "platform/file_ops.h"

namespace kp {

// configuration folder / careers / career, each name found whatever its case.
std::filesystem::path CareerFolder(FileOps& ops, const std::string& cfgPath,
                                   const std::string& career);

// One key of a reader: its action gets the text after the "=".
struct KeyReader {
    std::string_view key;
    std::function<void(std::string_view value)> read;
};

enum class ReadOutcome { Read, CannotOpen, ReadFailed };

// Runs `scan` over the file and hands every target-section line to the first
// reader whose key it begins with; `content` gets the whole file's
// fingerprint, the rest read past the scan's end.
ReadOutcome ReadTargetSection(FileOps& ops, const std::filesystem::path& file, SectionScan& scan,
                              const std::vector<KeyReader>& readers,
                              std::optional<Content>& content);

}  // namespace kp
