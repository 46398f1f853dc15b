#include "platform/file_ops.h"

#include <chrono>
#include <string_view>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#endif

namespace kp {
namespace {

namespace fs = std::filesystem;

// The standard library's check, alike on both systems: a link is followed,
// and a folder that may not be listed counts. It takes the path as given,
// without the extended-length form the other Windows operations use.
bool NamesFolder(const fs::path& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

// The standard library's, alike on both systems: the folders get the
// permissions the user's umask (or the parent's inheritance) gives.
std::string MakeFoldersOf(const fs::path& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!ec && !fs::is_directory(folder, ec)) {
        ec = std::make_error_code(std::errc::not_a_directory);
    }
    return ec ? ec.message() : std::string();
}

// The system's words for an error, as one line without the closing stop
// some systems add, to stand inside a sentence of our own.
std::string SystemErrorText(int error) {
    std::string text = std::system_category().message(error);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == '.' ||
                             text.back() == ' ')) {
        text.pop_back();
    }
    return text;
}

#ifdef _WIN32

// A FILETIME (100-nanosecond ticks since 1601) as whole seconds since 1970,
// rounded down (earlier times are negative), and the nanoseconds beyond.
void SetLastWrite(const FILETIME& time, DirEntry& entry) {
    constexpr std::int64_t kTicksPerSecond = 10'000'000;
    constexpr std::int64_t kTicksBefore1970 = 116'444'736'000'000'000;
    const std::uint64_t ticks =
        (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    const std::int64_t since1970 = static_cast<std::int64_t>(ticks) - kTicksBefore1970;
    std::int64_t seconds = since1970 / kTicksPerSecond;
    std::int64_t rest = since1970 % kTicksPerSecond;
    if (rest < 0) {
        --seconds;
        rest += kTicksPerSecond;
    }
    entry.lastWriteSeconds = seconds;
    entry.lastWriteNanoseconds = static_cast<std::uint32_t>(rest * 100);
}

// The form of a path that no length limit applies to: absolute, normalised,
// with the extended-length prefix.
std::wstring Extended(const fs::path& path) {
    std::error_code ec;
    fs::path full = fs::absolute(path, ec);
    if (ec) {
        full = path;
    }
    std::wstring text = full.lexically_normal().make_preferred().wstring();
    if (text.rfind(L"\\\\?\\", 0) == 0 || !full.is_absolute()) {
        return text;
    }
    if (text.rfind(L"\\\\", 0) == 0) {
        return L"\\\\?\\UNC\\" + text.substr(2);
    }
    return L"\\\\?\\" + text;
}

class WinInput final : public InputFile {
  public:
    explicit WinInput(HANDLE h) : h_(h) {}
    ~WinInput() override { CloseHandle(h_); }
    std::ptrdiff_t Read(char* buffer, std::size_t size) override {
        DWORD got = 0;
        const DWORD want = size > 0x10000000 ? 0x10000000 : static_cast<DWORD>(size);
        if (!ReadFile(h_, buffer, want, &got, nullptr)) {
            return -1;
        }
        return static_cast<std::ptrdiff_t>(got);
    }

  private:
    HANDLE h_;
};

class WinOutput final : public OutputFile {
  public:
    explicit WinOutput(HANDLE h) : h_(h) {}
    ~WinOutput() override {
        if (h_ != INVALID_HANDLE_VALUE) {
            CloseHandle(h_);
        }
    }
    bool Write(const char* data, std::size_t size) override {
        while (size > 0) {
            const DWORD want = size > 0x10000000 ? 0x10000000 : static_cast<DWORD>(size);
            DWORD done = 0;
            if (!WriteFile(h_, data, want, &done, nullptr) || done == 0) {
                return false;
            }
            data += done;
            size -= done;
        }
        return true;
    }
    bool Flush() override { return true; }
    bool Sync() override { return FlushFileBuffers(h_) != 0; }
    bool Close() override {
        const bool ok = CloseHandle(h_) != 0;
        h_ = INVALID_HANDLE_VALUE;
        return ok;
    }

  private:
    HANDLE h_;
};

// The lock on the lock file's first byte ends with its handle, also when the
// program is killed.
class WinFolderLock final : public FolderLock {
  public:
    explicit WinFolderLock(HANDLE h) : h_(h) {}
    ~WinFolderLock() override { CloseHandle(h_); }

  private:
    HANDLE h_;
};

// The names of `relative` below `folder`, refused when one would step out.
std::optional<std::vector<fs::path>> Steps(const fs::path& relative) {
    std::vector<fs::path> steps;
    for (const fs::path& step : relative) {
        if (step.empty() || step == "." || step == ".." || step.has_root_name() ||
            step.has_root_directory()) {
            return std::nullopt;
        }
        steps.push_back(step);
    }
    if (steps.empty()) {
        return std::nullopt;
    }
    return steps;
}

// The folders on the way from `folder` to the last name of `relative`, each
// held open without sharing deletion, so that none can be swapped for a link
// while the operation runs; a reparse point on the way is refused.
class HeldSteps {
  public:
    HeldSteps() = default;
    HeldSteps(const HeldSteps&) = delete;
    HeldSteps& operator=(const HeldSteps&) = delete;
    ~HeldSteps() {
        for (HANDLE h : held_) {
            CloseHandle(h);
        }
    }
    bool Open(const fs::path& folder, const fs::path& relative) {
        const auto steps = Steps(relative);
        if (!steps) {
            return false;
        }
        fs::path at = folder;
        for (std::size_t i = 0; i + 1 < steps->size(); ++i) {
            at /= (*steps)[i];
            HANDLE h =
                CreateFileW(Extended(at).c_str(), FILE_READ_ATTRIBUTES,
                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
            if (h == INVALID_HANDLE_VALUE) {
                return false;
            }
            held_.push_back(h);
            BY_HANDLE_FILE_INFORMATION info;
            if (!GetFileInformationByHandle(h, &info) ||
                (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 ||
                (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
                return false;
            }
        }
        last_ = at / steps->back();
        return true;
    }
    const fs::path& Last() const { return last_; }

  private:
    std::vector<HANDLE> held_;
    fs::path last_;
};

bool ReadOnly(const fs::path& path) {
    const DWORD attributes = GetFileAttributesW(Extended(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

// Removes whatever lies under the name without following it: a link to a
// folder is removed as a folder entry, a link to a file as a file.
bool RemoveLeftover(const std::wstring& name) {
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return GetLastError() == ERROR_FILE_NOT_FOUND || GetLastError() == ERROR_PATH_NOT_FOUND;
    }
    const bool folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        return folder ? RemoveDirectoryW(name.c_str()) != 0 : DeleteFileW(name.c_str()) != 0;
    }
    return !folder && DeleteFileW(name.c_str()) != 0;
}

// Why CreateFileW refused `name`. A folder is refused with access denied,
// and is told as the missing file it stands in for.
OpenFailure OpenFailureOf(DWORD error, const std::wstring& name) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return {};
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return {OpenFailureCause::Held, {}};
        case ERROR_ACCESS_DENIED: {
            const DWORD attributes = GetFileAttributesW(name.c_str());
            if (attributes != INVALID_FILE_ATTRIBUTES &&
                (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                return {};
            }
            return {OpenFailureCause::Denied, {}};
        }
        default:
            return {OpenFailureCause::Other, SystemErrorText(static_cast<int>(error))};
    }
}

class SystemOps final : public FileOps {
  private:
    // With FILE_FLAG_OPEN_REPARSE_POINT a link is opened as itself and refused.
    std::unique_ptr<InputFile> Open(const fs::path& path, DWORD flags) {
        const std::wstring name = Extended(path);
        HANDLE h = CreateFileW(name.c_str(), GENERIC_READ,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | flags, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            lastFailure_ = OpenFailureOf(GetLastError(), name);
            return nullptr;
        }
        BY_HANDLE_FILE_INFORMATION info;
        if (GetFileType(h) != FILE_TYPE_DISK || !GetFileInformationByHandle(h, &info) ||
            (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) !=
                0) {
            CloseHandle(h);
            lastFailure_ = {};
            return nullptr;
        }
        return std::make_unique<WinInput>(h);
    }

    OpenFailure lastFailure_;

  public:
    std::unique_ptr<InputFile> OpenRead(const fs::path& path) override { return Open(path, 0); }
    std::unique_ptr<InputFile> OpenOwnFile(const fs::path& folder,
                                           const fs::path& relative) override {
        HeldSteps steps;
        if (!steps.Open(folder, relative)) {
            lastFailure_ = {};
            return nullptr;
        }
        return Open(steps.Last(), FILE_FLAG_OPEN_REPARSE_POINT);
    }
    OpenFailure LastOpenFailure() const override { return lastFailure_; }
    ExchangeResult Exchange(const fs::path&, const fs::path&) override {
        return ExchangeResult::Unsupported;
    }
    bool ReplaceOwn(const fs::path& folder, const fs::path& from, const fs::path& to) override {
        HeldSteps fromSteps;
        HeldSteps toSteps;
        return fromSteps.Open(folder, from) && toSteps.Open(folder, to) &&
               Replace(fromSteps.Last(), toSteps.Last());
    }
    bool RemoveOwn(const fs::path& folder, const fs::path& relative) override {
        HeldSteps steps;
        return steps.Open(folder, relative) && Remove(steps.Last());
    }
    Replaceable CanReplace(const fs::path& folder, const fs::path& relative) override {
        HeldSteps steps;
        if (!steps.Open(folder, relative)) {
            return Replaceable::Yes;
        }
        if (ReadOnly(steps.Last())) {
            return Replaceable::ReadOnlyFile;
        }
        // Replacing needs the right to delete, which a holder who shares no
        // deletion keeps from everyone.
        HANDLE h = CreateFileW(Extended(steps.Last()).c_str(), DELETE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION
                       ? Replaceable::Held
                       : (error == ERROR_WRITE_PROTECT ? Replaceable::ReadOnlyFolder
                                                       : Replaceable::Yes);
        }
        CloseHandle(h);
        return Replaceable::Yes;
    }
    std::unique_ptr<OutputFile> Create(const fs::path& path) override {
        const std::wstring name = Extended(path);
        HANDLE h = RemoveLeftover(name)
                       ? CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr)
                       : INVALID_HANDLE_VALUE;
        if (h == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            lastFailure_ = {OpenFailureOf(error, name).cause,
                            SystemErrorText(static_cast<int>(error))};
            return nullptr;
        }
        return std::make_unique<WinOutput>(h);
    }
    bool Link(const fs::path& existing, const fs::path& to) override {
        return CreateHardLinkW(Extended(to).c_str(), Extended(existing).c_str(), nullptr) != 0;
    }
    LockResult LockFolder(const fs::path& folder) override {
        HANDLE h = CreateFileW(
            Extended(folder / fs::path(kLockFileName)).c_str(), GENERIC_READ | GENERIC_WRITE,
            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            return {GetLastError() == ERROR_SHARING_VIOLATION ? LockState::Busy
                                                              : LockState::Unsupported,
                    nullptr};
        }
        OVERLAPPED at{};
        if (!LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
            const DWORD error = GetLastError();
            CloseHandle(h);
            return {error == ERROR_LOCK_VIOLATION || error == ERROR_IO_PENDING
                        ? LockState::Busy
                        : LockState::Unsupported,
                    nullptr};
        }
        return {LockState::Held, std::make_unique<WinFolderLock>(h)};
    }
    bool Replace(const fs::path& from, const fs::path& to) override {
        // A read-only file stays, whichever layer carries out the move.
        if (ReadOnly(to)) {
            SetLastError(ERROR_ACCESS_DENIED);
            return false;
        }
        return MoveFileExW(Extended(from).c_str(), Extended(to).c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    }
    std::string MakeFolders(const fs::path& folder) override { return MakeFoldersOf(folder); }
    bool Remove(const fs::path& path) override { return DeleteFileW(Extended(path).c_str()) != 0; }
    bool IsFolder(const fs::path& path) override { return NamesFolder(path); }
    // Names and times as the system keeps them, pre-1970 times included,
    // which the C runtime's stat misreports.
    std::optional<std::vector<DirEntry>> List(const fs::path& dir) override {
        WIN32_FIND_DATAW found;
        std::wstring pattern = Extended(dir);
        if (pattern.empty() || pattern.back() != L'\\') {
            pattern += L'\\';
        }
        pattern += L'*';
        HANDLE h = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch,
                                    nullptr, FIND_FIRST_EX_LARGE_FETCH);
        if (h == INVALID_HANDLE_VALUE) {
            // No match at all: a folder without even "." and "..", a drive's root.
            return GetLastError() == ERROR_FILE_NOT_FOUND
                       ? std::optional<std::vector<DirEntry>>(std::in_place)
                       : std::nullopt;
        }
        std::vector<DirEntry> entries;
        do {
            const std::wstring_view name(found.cFileName);
            if (name == L"." || name == L"..") {
                continue;
            }
            DirEntry entry;
            const std::u8string utf8 = fs::path(name).u8string();
            entry.name.assign(utf8.begin(), utf8.end());
            entry.isDirectory = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
            SetLastWrite(found.ftLastWriteTime, entry);
            entries.push_back(std::move(entry));
        } while (FindNextFileW(h, &found));
        const bool complete = GetLastError() == ERROR_NO_MORE_FILES;
        FindClose(h);
        if (!complete) {
            return std::nullopt;
        }
        return entries;
    }
};

#else

void SetLastWrite(const fs::directory_entry& file, DirEntry& entry) {
    std::error_code ec;
    const auto when = file.last_write_time(ec);
    if (ec) {
        return;
    }
    const auto sys = std::chrono::file_clock::to_sys(when);
    const auto seconds = std::chrono::floor<std::chrono::seconds>(sys);
    entry.lastWriteSeconds = seconds.time_since_epoch().count();
    entry.lastWriteNanoseconds = static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(sys - seconds).count());
}

class PosixInput final : public InputFile {
  public:
    explicit PosixInput(int fd) : fd_(fd) {}
    ~PosixInput() override { ::close(fd_); }
    std::ptrdiff_t Read(char* buffer, std::size_t size) override {
        for (;;) {
            const ssize_t got = ::read(fd_, buffer, size);
            if (got >= 0 || errno != EINTR) {
                return got;
            }
        }
    }

  private:
    int fd_;
};

class PosixOutput final : public OutputFile {
  public:
    explicit PosixOutput(int fd) : fd_(fd) {}
    ~PosixOutput() override {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    bool Write(const char* data, std::size_t size) override {
        while (size > 0) {
            const ssize_t done = ::write(fd_, data, size);
            if (done < 0 && errno == EINTR) {
                continue;
            }
            if (done <= 0) {
                return false;
            }
            data += done;
            size -= static_cast<std::size_t>(done);
        }
        return true;
    }
    bool Flush() override { return true; }
    bool Sync() override { return ::fsync(fd_) == 0; }
    bool Close() override {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

class PosixFolderLock final : public FolderLock {
  public:
    explicit PosixFolderLock(int fd) : fd_(fd) {}
    ~PosixFolderLock() override { ::close(fd_); }

  private:
    int fd_;
};

class Descriptor {
  public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    void Reset(int fd) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = fd;
    }
    int Get() const { return fd_; }

  private:
    int fd_;
};

// The folder that holds the last name of `relative`, opened from `folder`
// one name at a time without following a link, and that last name; false,
// with errno set, when a step is a link, missing or would step out.
bool OpenParent(const fs::path& folder, const fs::path& relative, Descriptor& dir,
                std::string& name) {
    std::vector<std::string> steps;
    for (const fs::path& step : relative) {
        if (step.empty() || step == "." || step == ".." || step.has_root_directory()) {
            errno = ENOENT;
            return false;
        }
        steps.push_back(step.string());
    }
    if (steps.empty()) {
        errno = ENOENT;
        return false;
    }
    dir.Reset(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    for (std::size_t i = 0; dir.Get() >= 0 && i + 1 < steps.size(); ++i) {
        dir.Reset(
            ::openat(dir.Get(), steps[i].c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    }
    name = steps.back();
    return dir.Get() >= 0;
}

// A file nobody may write to is read-only, as Windows keeps it: it stays.
bool ReadOnlyAt(int dir, const char* name, int flags, struct stat& target, bool& exists) {
    exists = ::fstatat(dir, name, &target, flags) == 0;
    return exists && (target.st_mode & 0222) == 0;
}

// The new content keeps the permissions and, where we may, the owner of the
// file it replaces; through the descriptor checked, and only on a file that
// has no other name, so that nothing else can be changed through it.
void TakeModeOf(int dir, const char* name, const struct stat& target) {
    const Descriptor fd(::openat(dir, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat own {};
    if (fd.Get() < 0 || ::fstat(fd.Get(), &own) != 0 || !S_ISREG(own.st_mode) ||
        own.st_nlink != 1) {
        return;
    }
    ::fchmod(fd.Get(), target.st_mode & 07777);
    [[maybe_unused]] const int owned = ::fchown(fd.Get(), target.st_uid, target.st_gid);
}

// Makes a new name in the folder durable; the rename has happened either way.
void SyncFolder(const fs::path& path) {
    const Descriptor dir(::open(path.parent_path().empty() ? "." : path.parent_path().c_str(),
                                O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0) {
        ::fsync(dir.Get());
    }
}

// Why open() refused a file; a link O_NOFOLLOW refused is told as missing,
// as OpenOwnFile refuses it.
OpenFailure OpenFailureOf(int error, bool noFollow) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return {};
        case ELOOP:
            if (noFollow) {
                return {};
            }
            break;
        case EACCES:
        case EPERM:
            return {OpenFailureCause::Denied, {}};
        case EBUSY:
        case ETXTBSY:
            return {OpenFailureCause::Held, {}};
        default:
            break;
    }
    return {OpenFailureCause::Other, SystemErrorText(error)};
}

class SystemOps final : public FileOps {
  private:
    std::unique_ptr<InputFile> Open(int dir, const char* path, int flags) {
        // Without O_NONBLOCK, opening a FIFO waits for a writer that never comes.
        const int fd = ::openat(dir, path, O_RDONLY | O_NONBLOCK | O_CLOEXEC | flags);
        if (fd < 0) {
            lastFailure_ = OpenFailureOf(errno, (flags & O_NOFOLLOW) != 0);
            return nullptr;
        }
        struct stat info {};
        if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
            ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
            ::close(fd);
            lastFailure_ = {};
            return nullptr;
        }
        return std::make_unique<PosixInput>(fd);
    }

    OpenFailure lastFailure_;

  public:
    std::unique_ptr<InputFile> OpenRead(const fs::path& path) override {
        return Open(AT_FDCWD, path.c_str(), 0);
    }
    std::unique_ptr<InputFile> OpenOwnFile(const fs::path& folder,
                                           const fs::path& relative) override {
        Descriptor dir;
        std::string name;
        if (!OpenParent(folder, relative, dir, name)) {
            lastFailure_ = OpenFailureOf(errno, true);
            return nullptr;
        }
        return Open(dir.Get(), name.c_str(), O_NOFOLLOW);
    }
    OpenFailure LastOpenFailure() const override { return lastFailure_; }
    ExchangeResult Exchange(const fs::path& from, const fs::path& to) override {
        struct stat target {};
        bool exists = false;
        if (ReadOnlyAt(AT_FDCWD, to.c_str(), 0, target, exists)) {
            errno = EACCES;
            return ExchangeResult::Failed;
        }
        if (!exists) {
            return ExchangeResult::Failed;
        }
        TakeModeOf(AT_FDCWD, from.c_str(), target);
        if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_EXCHANGE) != 0) {
            return errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP
                       ? ExchangeResult::Unsupported
                       : ExchangeResult::Failed;
        }
        SyncFolder(to);
        return ExchangeResult::Done;
    }
    bool ReplaceOwn(const fs::path& folder, const fs::path& from, const fs::path& to) override {
        Descriptor fromDir;
        Descriptor toDir;
        std::string fromName;
        std::string toName;
        struct stat target {};
        bool exists = false;
        if (!OpenParent(folder, from, fromDir, fromName) ||
            !OpenParent(folder, to, toDir, toName) ||
            ReadOnlyAt(toDir.Get(), toName.c_str(), AT_SYMLINK_NOFOLLOW, target, exists)) {
            return false;
        }
        if (::renameat(fromDir.Get(), fromName.c_str(), toDir.Get(), toName.c_str()) != 0) {
            return false;
        }
        ::fsync(toDir.Get());
        return true;
    }
    bool RemoveOwn(const fs::path& folder, const fs::path& relative) override {
        Descriptor dir;
        std::string name;
        return OpenParent(folder, relative, dir, name) &&
               ::unlinkat(dir.Get(), name.c_str(), 0) == 0;
    }
    Replaceable CanReplace(const fs::path& folder, const fs::path& relative) override {
        Descriptor dir;
        std::string name;
        if (!OpenParent(folder, relative, dir, name)) {
            return Replaceable::Yes;
        }
        struct stat target {};
        bool exists = false;
        if (ReadOnlyAt(dir.Get(), name.c_str(), AT_SYMLINK_NOFOLLOW, target, exists)) {
            return Replaceable::ReadOnlyFile;
        }
        struct stat self {};
        struct statvfs disk {};
        const bool folderReadOnly =
            (::fstat(dir.Get(), &self) == 0 && (self.st_mode & 0222) == 0) ||
            (::fstatvfs(dir.Get(), &disk) == 0 && (disk.f_flag & ST_RDONLY) != 0) ||
            (::faccessat(dir.Get(), ".", W_OK, AT_EACCESS) != 0 &&
             (errno == EACCES || errno == EROFS));
        return folderReadOnly ? Replaceable::ReadOnlyFolder : Replaceable::Yes;
    }
    std::unique_ptr<OutputFile> Create(const fs::path& path) override {
        // unlink() takes a link itself, never what it points to.
        const bool freed = ::unlink(path.c_str()) == 0 || errno == ENOENT;
        const int fd =
            freed ? ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666)
                  : -1;
        if (fd < 0) {
            const int error = errno;
            lastFailure_ = {OpenFailureOf(error, false).cause, SystemErrorText(error)};
            return nullptr;
        }
        return std::make_unique<PosixOutput>(fd);
    }
    bool Link(const fs::path& existing, const fs::path& to) override {
        // The kept name holds the content, also when the file is a symbolic link.
        return ::linkat(AT_FDCWD, existing.c_str(), AT_FDCWD, to.c_str(), AT_SYMLINK_FOLLOW) == 0;
    }
    // An open-file-description lock belongs to the descriptor, not the
    // process: a second LockFolder in this process is refused too, and it
    // conflicts with the POSIX locks Wine takes for a Windows program.
    LockResult LockFolder(const fs::path& folder) override {
        const int fd = ::open((folder / kLockFileName).c_str(),
                              O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0) {
            return {};
        }
        struct flock firstByte {};
        firstByte.l_type = F_WRLCK;
        firstByte.l_whence = SEEK_SET;
        firstByte.l_start = 0;
        firstByte.l_len = 1;
        if (::fcntl(fd, F_OFD_SETLK, &firstByte) != 0) {
            const bool busy = errno == EAGAIN || errno == EACCES;
            ::close(fd);
            return {busy ? LockState::Busy : LockState::Unsupported, nullptr};
        }
        return {LockState::Held, std::make_unique<PosixFolderLock>(fd)};
    }
    bool Replace(const fs::path& from, const fs::path& to) override {
        struct stat target {};
        bool exists = false;
        if (ReadOnlyAt(AT_FDCWD, to.c_str(), 0, target, exists)) {
            errno = EACCES;
            return false;
        }
        if (exists) {
            TakeModeOf(AT_FDCWD, from.c_str(), target);
        }
        if (::rename(from.c_str(), to.c_str()) != 0) {
            return false;
        }
        SyncFolder(to);
        return true;
    }
    std::string MakeFolders(const fs::path& folder) override { return MakeFoldersOf(folder); }
    bool Remove(const fs::path& path) override { return ::unlink(path.c_str()) == 0; }
    std::optional<std::vector<DirEntry>> List(const fs::path& dir) override;
    bool IsFolder(const fs::path& path) override { return NamesFolder(path); }
};

std::optional<std::vector<DirEntry>> SystemOps::List(const fs::path& dir) {
    std::error_code ec;
    fs::directory_iterator it(dir, ec);
    if (ec) {
        return std::nullopt;
    }
    std::vector<DirEntry> entries;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        DirEntry entry;
        const std::u8string name = it->path().filename().u8string();
        entry.name.assign(name.begin(), name.end());
        std::error_code typeError;
        entry.isDirectory = it->is_directory(typeError);
        // The type comes with the listing, a time costs a stat: folders go
        // without, as nothing asks a folder's time and a search lists thousands.
        if (!entry.isDirectory) {
            SetLastWrite(*it, entry);
        }
        entries.push_back(std::move(entry));
    }
    if (ec) {
        return std::nullopt;
    }
    return entries;
}

#endif

}  // namespace

FileOps& SystemFileOps() {
    static SystemOps ops;
    return ops;
}

}  // namespace kp
