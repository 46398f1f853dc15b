#include "faulty_file_ops.h"

#include <cstdlib>

namespace kp {
namespace {

class FaultyInput final : public InputFile {
  public:
    FaultyInput(std::unique_ptr<InputFile> real, FaultyFileOps& ops)
        : real_(std::move(real)), ops_(ops) {}
    std::ptrdiff_t Read(char* buffer, std::size_t size) override {
        return ops_.Fails(FileOp::Read) ? -1 : real_->Read(buffer, size);
    }

  private:
    std::unique_ptr<InputFile> real_;
    FaultyFileOps& ops_;
};

class FaultyOutput final : public OutputFile {
  public:
    FaultyOutput(std::unique_ptr<OutputFile> real, FaultyFileOps& ops)
        : real_(std::move(real)), ops_(ops) {}
    bool Write(const char* data, std::size_t size) override {
        return !ops_.Fails(FileOp::Write) && real_->Write(data, size);
    }
    bool Flush() override { return !ops_.Fails(FileOp::Flush) && real_->Flush(); }
    bool Sync() override { return !ops_.Fails(FileOp::Sync) && real_->Sync(); }
    bool Close() override {
        // A failed close has still released the file.
        const bool fails = ops_.Fails(FileOp::Close);
        return real_->Close() && !fails;
    }

  private:
    std::unique_ptr<OutputFile> real_;
    FaultyFileOps& ops_;
};

}  // namespace

std::string FileOpName(FileOp op) {
    static const char* const kNames[] = {"open", "create", "read",     "write",  "flush",
                                         "sync", "close",  "replace",  "remove", "list",
                                         "link", "lock",   "exchange", "check"};
    return kNames[static_cast<int>(op)];
}

bool FaultyFileOps::Fails(FileOp op) {
    ++count_;
    if (endAt_ && *endAt_ == count_) {
        // No destructor, no flush: what a kill leaves.
        std::_Exit(kEndedExitCode);
    }
    if (beforeAt_ && *beforeAt_ == count_ && before_) {
        before_();
    }
    log_.push_back(op);
    if (failAt_ && *failAt_ == count_) {
        failed_ = true;
        return true;
    }
    if (failed_ && thenFail_ && *thenFail_ == op) {
        thenFail_.reset();
        return true;
    }
    return failEvery_ && *failEvery_ == op;
}

std::unique_ptr<InputFile> FaultyFileOps::OpenRead(const std::filesystem::path& path) {
    if (Fails(FileOp::Open)) {
        lastFailure_ = {OpenFailureCause::Other, "injected failure"};
        return nullptr;
    }
    auto real = real_.OpenRead(path);
    if (!real) {
        lastFailure_ = real_.LastOpenFailure();
        return nullptr;
    }
    return std::make_unique<FaultyInput>(std::move(real), *this);
}

std::unique_ptr<InputFile> FaultyFileOps::OpenOwnFile(const std::filesystem::path& folder,
                                                      const std::filesystem::path& relative) {
    if (Fails(FileOp::Open)) {
        lastFailure_ = {OpenFailureCause::Other, "injected failure"};
        return nullptr;
    }
    auto real = real_.OpenOwnFile(folder, relative);
    if (!real) {
        lastFailure_ = real_.LastOpenFailure();
        return nullptr;
    }
    return std::make_unique<FaultyInput>(std::move(real), *this);
}

std::unique_ptr<OutputFile> FaultyFileOps::Create(const std::filesystem::path& path) {
    if (Fails(FileOp::Create)) {
        return nullptr;
    }
    auto real = real_.Create(path);
    return real ? std::make_unique<FaultyOutput>(std::move(real), *this) : nullptr;
}

bool FaultyFileOps::Replace(const std::filesystem::path& from, const std::filesystem::path& to) {
    return !Fails(FileOp::Replace) && real_.Replace(from, to);
}

bool FaultyFileOps::Remove(const std::filesystem::path& path) {
    return !Fails(FileOp::Remove) && real_.Remove(path);
}

ExchangeResult FaultyFileOps::Exchange(const std::filesystem::path& from,
                                       const std::filesystem::path& to) {
    if (Fails(FileOp::Exchange)) {
        return ExchangeResult::Failed;
    }
    return refuseExchange_ ? ExchangeResult::Unsupported : real_.Exchange(from, to);
}

bool FaultyFileOps::ReplaceOwn(const std::filesystem::path& folder,
                               const std::filesystem::path& from, const std::filesystem::path& to) {
    return !Fails(FileOp::Replace) && real_.ReplaceOwn(folder, from, to);
}

bool FaultyFileOps::RemoveOwn(const std::filesystem::path& folder,
                              const std::filesystem::path& relative) {
    return !Fails(FileOp::Remove) && real_.RemoveOwn(folder, relative);
}

Replaceable FaultyFileOps::CanReplace(const std::filesystem::path& folder,
                                      const std::filesystem::path& relative) {
    return Fails(FileOp::Check) ? Replaceable::Held : real_.CanReplace(folder, relative);
}

bool FaultyFileOps::Link(const std::filesystem::path& existing, const std::filesystem::path& to) {
    return !Fails(FileOp::Link) && real_.Link(existing, to);
}

// A lock that cannot be had looks to the program like another copy holding it.
LockResult FaultyFileOps::LockFolder(const std::filesystem::path& folder) {
    if (Fails(FileOp::Lock)) {
        return {LockState::Busy, nullptr};
    }
    return real_.LockFolder(folder);
}

std::optional<std::vector<DirEntry>> FaultyFileOps::List(const std::filesystem::path& dir) {
    if (Fails(FileOp::List)) {
        return std::nullopt;
    }
    return real_.List(dir);
}

}  // namespace kp
