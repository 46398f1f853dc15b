// A fingerprint of a file's bytes, taken while they stream past: enough to
// tell whether a file still holds what a change wrote or what it replaced.
// Not a defence against anyone forging content.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>

#include "platform/file_ops.h"

namespace kp {

struct Content {
    std::uint64_t size = 0;
    std::uint64_t hash = 0;

    bool operator==(const Content&) const = default;
};

class ContentHash {
  public:
    void Add(const char* data, std::size_t size);
    Content Result() const;

  private:
    void Mix(std::uint64_t word);

    std::uint64_t state_ = 0x9E3779B97F4A7C15ull;
    std::uint64_t size_ = 0;
    unsigned char tail_[8] = {};
    std::size_t tailSize_ = 0;
};

// The content of a whole file; empty when it cannot be read to its end.
std::optional<Content> ContentOf(FileOps& ops, const std::filesystem::path& file);
// The same for a file already opened, or empty when it could not be.
std::optional<Content> ContentOf(std::unique_ptr<InputFile> input);

// Reads through `file`, fingerprinting every byte read.
class HashingInput final : public InputFile {
  public:
    explicit HashingInput(InputFile& file) : file_(file) {}
    std::ptrdiff_t Read(char* buffer, std::size_t size) override;
    Content Result() const { return hash_.Result(); }

  private:
    InputFile& file_;
    ContentHash hash_;
};

// Writes through `file`, fingerprinting every byte handed to it.
class HashingOutput final : public OutputFile {
  public:
    explicit HashingOutput(OutputFile& file) : file_(file) {}
    bool Write(const char* data, std::size_t size) override;
    bool Flush() override { return file_.Flush(); }
    bool Sync() override { return file_.Sync(); }
    bool Close() override { return file_.Close(); }
    Content Result() const { return hash_.Result(); }

  private:
    OutputFile& file_;
    ContentHash hash_;
};

}  // namespace kp
