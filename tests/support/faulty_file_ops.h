// A file system that fails on demand: every operation is counted, and the
// one chosen fails as the real one would (nothing done, failure reported).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_ops.h"

namespace kp {

enum class FileOp {
    Open,
    Create,
    Read,
    Write,
    Flush,
    Sync,
    Close,
    Replace,
    Remove,
    List,
    Link,
    Lock,
    Exchange,
    Check,
};

// The exit code of a process EndAt ended.
inline constexpr int kEndedExitCode = 99;

class FaultyFileOps final : public FileOps {
  public:
    explicit FaultyFileOps(FileOps& real) : real_(real) {}

    // Fails the operation numbered `n`, counted from 1 from this call on;
    // none when empty.
    void FailAt(std::optional<int> n) {
        failAt_ = n;
        count_ = 0;
        log_.clear();
    }
    // Ends the process at once, as a kill would, when the operation numbered
    // `n` is about to be made; counted as FailAt counts.
    void EndAt(std::optional<int> n) {
        endAt_ = n;
        count_ = 0;
    }
    // Once the chosen operation has failed, fails the next one of this kind
    // too: a put-back after a failed change.
    void ThenFailNext(std::optional<FileOp> op) { thenFail_ = op; }
    // Runs `act` just before the operation numbered `n` is made, counted as
    // FailAt counts: another program at work between two calls.
    void Before(int n, std::function<void()> act) {
        beforeAt_ = n;
        before_ = std::move(act);
    }
    // Makes Exchange answer as a file system that cannot swap names does.
    void RefuseExchange() { refuseExchange_ = true; }
    // Fails every operation of this kind.
    void FailEvery(std::optional<FileOp> op) { failEvery_ = op; }
    int Count() const { return count_; }
    // The kinds of the operations made so far, in order.
    const std::vector<FileOp>& Log() const { return log_; }

    // True when this operation is to fail; counts it either way.
    bool Fails(FileOp op);

    std::unique_ptr<InputFile> OpenRead(const std::filesystem::path& path) override;
    std::unique_ptr<InputFile> OpenOwnFile(const std::filesystem::path& folder,
                                           const std::filesystem::path& relative) override;
    // An open failed on purpose says "other", with no reason of the system's.
    OpenFailure LastOpenFailure() const override { return lastFailure_; }
    std::unique_ptr<OutputFile> Create(const std::filesystem::path& path) override;
    bool Replace(const std::filesystem::path& from, const std::filesystem::path& to) override;
    bool Remove(const std::filesystem::path& path) override;
    ExchangeResult Exchange(const std::filesystem::path& from,
                            const std::filesystem::path& to) override;
    bool ReplaceOwn(const std::filesystem::path& folder, const std::filesystem::path& from,
                    const std::filesystem::path& to) override;
    bool RemoveOwn(const std::filesystem::path& folder,
                   const std::filesystem::path& relative) override;
    // A check failed on purpose finds the file held.
    Replaceable CanReplace(const std::filesystem::path& folder,
                           const std::filesystem::path& relative) override;
    bool Link(const std::filesystem::path& existing, const std::filesystem::path& to) override;
    LockResult LockFolder(const std::filesystem::path& folder) override;
    std::optional<std::vector<DirEntry>> List(const std::filesystem::path& dir) override;
    bool IsFolder(const std::filesystem::path& path) override { return real_.IsFolder(path); }
    // The settings' folder, never failed on purpose.
    std::string MakeFolders(const std::filesystem::path& folder) override {
        return real_.MakeFolders(folder);
    }

  private:
    FileOps& real_;
    std::optional<int> failAt_;
    std::optional<int> endAt_;
    std::optional<FileOp> failEvery_;
    std::optional<FileOp> thenFail_;
    bool refuseExchange_ = false;
    bool failed_ = false;
    std::optional<int> beforeAt_;
    std::function<void()> before_;
    int count_ = 0;
    std::vector<FileOp> log_;
    OpenFailure lastFailure_;
};

std::string FileOpName(FileOp op);

}  // namespace kp
