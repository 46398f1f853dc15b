#include "memory_file_ops.h"

#include <algorithm>
#include <cstring>
#include <set>

#include "platform/path_text.h"

namespace kp {
namespace {

class MemoryInput final : public InputFile {
  public:
    explicit MemoryInput(std::string bytes) : bytes_(std::move(bytes)) {}
    std::ptrdiff_t Read(char* buffer, std::size_t size) override {
        const std::size_t n = std::min(size, bytes_.size() - pos_);
        std::memcpy(buffer, bytes_.data() + pos_, n);
        pos_ += n;
        return static_cast<std::ptrdiff_t>(n);
    }

  private:
    std::string bytes_;
    std::size_t pos_ = 0;
};

class MemoryOutput final : public OutputFile {
  public:
    explicit MemoryOutput(std::string& target) : target_(target) {}
    bool Write(const char* data, std::size_t size) override {
        target_.append(data, size);
        return true;
    }
    bool Flush() override { return true; }
    bool Sync() override { return true; }
    bool Close() override { return true; }

  private:
    std::string& target_;
};

class MemoryLock final : public FolderLock {
  public:
    MemoryLock(std::set<std::filesystem::path>& locked, std::filesystem::path folder)
        : locked_(locked), folder_(std::move(folder)) {}
    ~MemoryLock() override { locked_.erase(folder_); }

  private:
    std::set<std::filesystem::path>& locked_;
    std::filesystem::path folder_;
};

}  // namespace

void MemoryFileOps::Put(const std::filesystem::path& path, std::string bytes) {
    files_[path.lexically_normal()] = std::move(bytes);
}

void MemoryFileOps::Refuse(const std::filesystem::path& path, OpenFailure failure) {
    refused_[path.lexically_normal()] = std::move(failure);
}

void MemoryFileOps::MakeReadOnly(const std::filesystem::path& path) {
    readOnly_.insert(path.lexically_normal());
}

Replaceable MemoryFileOps::CanReplace(const std::filesystem::path& folder,
                                      const std::filesystem::path& relative) {
    const std::filesystem::path file = (folder / relative).lexically_normal();
    if (readOnly_.contains(file)) {
        return Replaceable::ReadOnlyFile;
    }
    return readOnly_.contains(file.parent_path()) ? Replaceable::ReadOnlyFolder : Replaceable::Yes;
}

std::unique_ptr<InputFile> MemoryFileOps::OpenRead(const std::filesystem::path& path) {
    if (const auto refused = refused_.find(path.lexically_normal()); refused != refused_.end()) {
        lastFailure_ = refused->second;
        return nullptr;
    }
    const auto it = files_.find(path.lexically_normal());
    if (it == files_.end()) {
        lastFailure_ = {};
        return nullptr;
    }
    return std::make_unique<MemoryInput>(it->second);
}

std::unique_ptr<OutputFile> MemoryFileOps::Create(const std::filesystem::path& path) {
    if (readOnly_.contains(path.lexically_normal().parent_path())) {
        lastFailure_ = {OpenFailureCause::Denied, "Permission denied"};
        return nullptr;
    }
    std::string& target = files_[path.lexically_normal()];
    target.clear();
    return std::make_unique<MemoryOutput>(target);
}

bool MemoryFileOps::Replace(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (CanReplace(to.parent_path(), to.filename()) != Replaceable::Yes) {
        return false;
    }
    const auto it = files_.find(from.lexically_normal());
    if (it == files_.end()) {
        return false;
    }
    std::string bytes = std::move(it->second);
    files_.erase(it);
    files_[to.lexically_normal()] = std::move(bytes);
    return true;
}

ExchangeResult MemoryFileOps::Exchange(const std::filesystem::path& from,
                                       const std::filesystem::path& to) {
    const auto a = files_.find(from.lexically_normal());
    const auto b = files_.find(to.lexically_normal());
    if (a == files_.end() || b == files_.end()) {
        return ExchangeResult::Failed;
    }
    std::swap(a->second, b->second);
    return ExchangeResult::Done;
}

// A copy, as on a file system without hard links.
bool MemoryFileOps::Link(const std::filesystem::path& existing, const std::filesystem::path& to) {
    const auto it = files_.find(existing.lexically_normal());
    if (it == files_.end() || files_.contains(to.lexically_normal())) {
        return false;
    }
    files_[to.lexically_normal()] = it->second;
    return true;
}

LockResult MemoryFileOps::LockFolder(const std::filesystem::path& folder) {
    const std::filesystem::path name = folder.lexically_normal();
    if (!locked_.insert(name).second) {
        return {LockState::Busy, nullptr};
    }
    return {LockState::Held, std::make_unique<MemoryLock>(locked_, name)};
}

bool MemoryFileOps::Remove(const std::filesystem::path& path) {
    return files_.erase(path.lexically_normal()) != 0;
}

std::optional<std::vector<DirEntry>> MemoryFileOps::List(const std::filesystem::path& dir) {
    const std::filesystem::path folder = dir.lexically_normal();
    std::map<std::string, bool> names;  // name -> is a folder
    for (const auto& [path, bytes] : files_) {
        const auto relative = path.lexically_relative(folder);
        if (relative.empty() || *relative.begin() == "..") {
            continue;
        }
        const std::string first = Utf8FromPath(*relative.begin());
        names[first] = names[first] || std::next(relative.begin()) != relative.end();
    }
    if (names.empty()) {
        return std::nullopt;
    }
    std::vector<DirEntry> entries;
    for (const auto& [name, isFolder] : names) {
        entries.push_back(DirEntry{name, isFolder, 1000});
    }
    return entries;
}

}  // namespace kp
