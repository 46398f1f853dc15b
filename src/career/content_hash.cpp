#include "career/content_hash.h"

#include <cstring>
#include <vector>

namespace kp {
namespace {

constexpr std::uint64_t kMultiplier = 0x9FB21C651E98DF25ull;
constexpr std::size_t kReadSize = 64 * 1024;

std::uint64_t Rotate(std::uint64_t value, int bits) {
    return (value << bits) | (value >> (64 - bits));
}

}  // namespace

// Eight bytes a step, so that fingerprinting keeps up with the disk.
void ContentHash::Mix(std::uint64_t word) {
    state_ = Rotate((state_ ^ word) * kMultiplier, 29);
}

void ContentHash::Add(const char* data, std::size_t size) {
    size_ += size;
    while (size > 0 && tailSize_ > 0 && tailSize_ < sizeof tail_) {
        tail_[tailSize_++] = static_cast<unsigned char>(*data++);
        --size;
    }
    if (tailSize_ == sizeof tail_) {
        std::uint64_t word = 0;
        std::memcpy(&word, tail_, sizeof word);
        Mix(word);
        tailSize_ = 0;
    }
    for (; size >= sizeof(std::uint64_t); size -= sizeof(std::uint64_t)) {
        std::uint64_t word = 0;
        std::memcpy(&word, data, sizeof word);
        Mix(word);
        data += sizeof word;
    }
    std::memcpy(tail_, data, size);
    tailSize_ += size;
}

Content ContentHash::Result() const {
    ContentHash last = *this;
    std::uint64_t word = 0;
    std::memcpy(&word, tail_, tailSize_);
    last.Mix(word ^ (static_cast<std::uint64_t>(tailSize_) << 56));
    last.Mix(size_);
    std::uint64_t hash = last.state_;
    hash ^= hash >> 33;
    hash *= kMultiplier;
    hash ^= hash >> 29;
    return {size_, hash};
}

std::optional<Content> ContentOf(FileOps& ops, const std::filesystem::path& file) {
    return ContentOf(ops.OpenRead(file));
}

std::optional<Content> ContentOf(std::unique_ptr<InputFile> input) {
    if (!input) {
        return std::nullopt;
    }
    ContentHash hash;
    std::vector<char> buffer(kReadSize);
    for (;;) {
        const std::ptrdiff_t got = input->Read(buffer.data(), buffer.size());
        if (got < 0) {
            return std::nullopt;
        }
        if (got == 0) {
            return hash.Result();
        }
        hash.Add(buffer.data(), static_cast<std::size_t>(got));
    }
}

std::ptrdiff_t HashingInput::Read(char* buffer, std::size_t size) {
    const std::ptrdiff_t got = file_.Read(buffer, size);
    if (got > 0) {
        hash_.Add(buffer, static_cast<std::size_t>(got));
    }
    return got;
}

bool HashingOutput::Write(const char* data, std::size_t size) {
    hash_.Add(data, size);
    return file_.Write(data, size);
}

}  // namespace kp
