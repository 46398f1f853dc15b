// Rewriting one value of a large history, against what a user would do
// instead: copy the file (the floor, no per-line work) or edit it with sed -i.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <algorithm>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>

#include "apply/writers.h"
#include "bench_files.h"
#include "career/file_names.h"
#include "career_fixture.h"
#include "change_one_file.h"

namespace kp {
namespace {

namespace fs = std::filesystem;

// The real file operations without any wait for the disk (neither the file's
// nor the folder's flush), so that the copy itself is measured, as cp and mv
// make it; the flush is measured on its own below.
class NoSyncOps final : public FileOps {
  public:
    std::unique_ptr<InputFile> OpenRead(const fs::path& p) override {
        return SystemFileOps().OpenRead(p);
    }
    std::unique_ptr<InputFile> OpenOwnFile(const fs::path& d, const fs::path& p) override {
        return SystemFileOps().OpenOwnFile(d, p);
    }
    // A plain swap, without the wait for the folder's entry on the disk.
    ExchangeResult Exchange(const fs::path& a, const fs::path& b) override {
        return ::renameat2(AT_FDCWD, a.c_str(), AT_FDCWD, b.c_str(), RENAME_EXCHANGE) == 0
                   ? ExchangeResult::Done
                   : ExchangeResult::Failed;
    }
    bool ReplaceOwn(const fs::path& d, const fs::path& a, const fs::path& b) override {
        return SystemFileOps().ReplaceOwn(d, a, b);
    }
    bool RemoveOwn(const fs::path& d, const fs::path& p) override {
        return SystemFileOps().RemoveOwn(d, p);
    }
    Replaceable CanReplace(const fs::path& d, const fs::path& p) override {
        return SystemFileOps().CanReplace(d, p);
    }
    OpenFailure LastOpenFailure() const override { return SystemFileOps().LastOpenFailure(); }
    std::unique_ptr<OutputFile> Create(const fs::path& p) override {
        class Output final : public OutputFile {
          public:
            explicit Output(std::unique_ptr<OutputFile> real) : real_(std::move(real)) {}
            bool Write(const char* d, std::size_t n) override { return real_->Write(d, n); }
            bool Flush() override { return real_->Flush(); }
            bool Sync() override { return true; }
            bool Close() override { return real_->Close(); }

          private:
            std::unique_ptr<OutputFile> real_;
        };
        auto real = SystemFileOps().Create(p);
        return real ? std::make_unique<Output>(std::move(real)) : nullptr;
    }
    // A plain rename, as mv makes it: without the wait for the folder's entry on the disk.
    bool Replace(const fs::path& a, const fs::path& b) override {
        std::error_code ec;
        fs::rename(a, b, ec);
        return !ec;
    }
    bool Remove(const fs::path& p) override { return SystemFileOps().Remove(p); }
    bool Link(const fs::path& a, const fs::path& b) override { return SystemFileOps().Link(a, b); }
    LockResult LockFolder(const fs::path& d) override { return SystemFileOps().LockFolder(d); }
    bool IsFolder(const fs::path& p) override { return SystemFileOps().IsFolder(p); }
    std::string MakeFolders(const fs::path& d) override { return SystemFileOps().MakeFolders(d); }
    std::optional<std::vector<DirEntry>> List(const fs::path& d) override {
        return SystemFileOps().List(d);
    }
};

struct Setup {
    ScratchFolder folder;
    fs::path file;
    std::size_t bytes;

    explicit Setup(std::size_t size) : file(folder.Path() / "patrols.cfg") {
        const std::string text = bench::HistoryOfSize(size);
        bytes = text.size();
        WriteFile(file, text);
    }
};

// The copy prepared and renamed over the file, without the transaction around it.
void RewriteHistory(benchmark::State& state, FileOps& ops) {
    Setup setup(static_cast<std::size_t>(state.range(0)) << 20);
    const WorkingDate date{14, 4, 1942};
    for (auto _ : state) {
        const Writer writer =
            RewritePatrolHistory(setup.folder.Path() / kHistoryFile, "ES32", date, 85.0f);
        const PreparedFile prepared = PrepareTempFile(ops, writer, [](const std::string&) {});
        if (prepared.outcome != WriteOutcome::Ready || !ops.Replace(writer.temp, writer.file)) {
            state.SkipWithError("rewrite failed");
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * setup.bytes));
}

void BM_Rewrite(benchmark::State& state) {
    NoSyncOps ops;
    RewriteHistory(state, ops);
}

void BM_RewriteWithFlushToDisk(benchmark::State& state) {
    RewriteHistory(state, SystemFileOps());
}

// As above, on a file system without hard links: the old content is copied.
class NoLinkOps final : public FileOps {
  public:
    std::unique_ptr<InputFile> OpenRead(const fs::path& p) override { return ops_.OpenRead(p); }
    std::unique_ptr<InputFile> OpenOwnFile(const fs::path& d, const fs::path& p) override {
        return ops_.OpenOwnFile(d, p);
    }
    // Where there are no hard links there is no swap of two names either.
    ExchangeResult Exchange(const fs::path&, const fs::path&) override {
        return ExchangeResult::Unsupported;
    }
    bool ReplaceOwn(const fs::path& d, const fs::path& a, const fs::path& b) override {
        return ops_.ReplaceOwn(d, a, b);
    }
    bool RemoveOwn(const fs::path& d, const fs::path& p) override { return ops_.RemoveOwn(d, p); }
    Replaceable CanReplace(const fs::path& d, const fs::path& p) override {
        return ops_.CanReplace(d, p);
    }
    OpenFailure LastOpenFailure() const override { return ops_.LastOpenFailure(); }
    std::unique_ptr<OutputFile> Create(const fs::path& p) override { return ops_.Create(p); }
    bool Replace(const fs::path& a, const fs::path& b) override { return ops_.Replace(a, b); }
    bool Remove(const fs::path& p) override { return ops_.Remove(p); }
    bool Link(const fs::path&, const fs::path&) override { return false; }
    LockResult LockFolder(const fs::path& d) override { return ops_.LockFolder(d); }
    bool IsFolder(const fs::path& p) override { return ops_.IsFolder(p); }
    std::string MakeFolders(const fs::path& d) override { return ops_.MakeFolders(d); }
    std::optional<std::vector<DirEntry>> List(const fs::path& d) override { return ops_.List(d); }

  private:
    NoSyncOps ops_;
};

// The history's part of a tanker change as "Make Changes" makes it: the copy
// prepared, the old content kept as the undo point and recorded, the copy
// put in the file's place, the change recorded as whole.
void ChangeHistory(benchmark::State& state, FileOps& ops) {
    Setup setup(static_cast<std::size_t>(state.range(0)) << 20);
    const WorkingDate date{14, 4, 1942};
    for (auto _ : state) {
        const Writer writer =
            RewritePatrolHistory(setup.folder.Path() / kHistoryFile, "ES32", date, 85.0f);
        if (ChangeOneFile(ops, setup.folder.Path(), writer, [](const std::string&) {}) !=
            WriteOutcome::Ready) {
            state.SkipWithError("change failed");
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * setup.bytes));
}

void BM_ChangeKeptByLink(benchmark::State& state) {
    NoSyncOps ops;
    ChangeHistory(state, ops);
}

void BM_ChangeKeptByCopy(benchmark::State& state) {
    NoLinkOps ops;
    ChangeHistory(state, ops);
}

void BM_CopyInProcess(benchmark::State& state) {
    Setup setup(static_cast<std::size_t>(state.range(0)) << 20);
    const fs::path copy = setup.folder.Path() / "copy.cfg";
    for (auto _ : state) {
        fs::copy_file(setup.file, copy, fs::copy_options::overwrite_existing);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * setup.bytes));
}

void RunCommand(benchmark::State& state, const std::string& command) {
    if (std::system(command.c_str()) != 0) {
        state.SkipWithError(command.c_str());
    }
}

void BM_CpCommand(benchmark::State& state) {
    Setup setup(static_cast<std::size_t>(state.range(0)) << 20);
    const std::string command =
        "cp '" + setup.file.string() + "' '" + (setup.folder.Path() / "copy.cfg").string() + "'";
    for (auto _ : state) {
        RunCommand(state, command);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * setup.bytes));
}

// What a careful user does to replace a file safely: copy, then move over.
void BM_CpThenMv(benchmark::State& state) {
    Setup setup(static_cast<std::size_t>(state.range(0)) << 20);
    const std::string temp = (setup.folder.Path() / "copy.cfg").string();
    const std::string command = "cp '" + setup.file.string() + "' '" + temp + "' && mv '" + temp +
                                "' '" + setup.file.string() + "'";
    for (auto _ : state) {
        RunCommand(state, command);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * setup.bytes));
}

void BM_SedInPlace(benchmark::State& state) {
    Setup setup(static_cast<std::size_t>(state.range(0)) << 20);
    // The last EndDay= line, by its number, as a user would address it.
    const std::string text = ReadFile(setup.file);
    const std::size_t at = text.rfind("EndDay=");
    const long line = std::count(text.begin(), text.begin() + static_cast<long>(at), '\n') + 1;
    const std::string command =
        "sed -i '" + std::to_string(line) + "s/.*/EndDay=14\\r/' '" + setup.file.string() + "'";
    for (auto _ : state) {
        RunCommand(state, command);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * setup.bytes));
}

BENCHMARK(BM_Rewrite)->Arg(1)->Arg(64)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChangeKeptByLink)->Arg(1)->Arg(64)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChangeKeptByCopy)->Arg(1)->Arg(64)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyInProcess)->Arg(1)->Arg(64)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CpCommand)->Arg(1)->Arg(64)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CpThenMv)->Arg(1)->Arg(64)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SedInPlace)->Arg(1)->Arg(64)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RewriteWithFlushToDisk)->Arg(1)->Arg(64)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kp

BENCHMARK_MAIN();
