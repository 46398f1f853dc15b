// Every file-system operation the program makes goes through FileOps, so that
// each one is checked, and so that tests can make any single one of them fail.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kp {

class InputFile {
  public:
    virtual ~InputFile() = default;
    // Bytes read, 0 at the end of the file, or -1 on a read error.
    virtual std::ptrdiff_t Read(char* buffer, std::size_t size) = 0;
};

class OutputFile {
  public:
    virtual ~OutputFile() = default;
    virtual bool Write(const char* data, std::size_t size) = 0;
    // Hands buffered bytes to the operating system.
    virtual bool Flush() = 0;
    // Waits until the operating system has the bytes on the disk.
    virtual bool Sync() = 0;
    virtual bool Close() = 0;
};

struct DirEntry {
    std::string name;  // UTF-8
    bool isDirectory = false;
    // Last write, whole seconds since 1970-01-01 00:00:00 UTC; empty when
    // unknown, and for a folder where the system would need a call per entry.
    std::optional<std::int64_t> lastWriteSeconds;
    // The part of a second the system keeps beyond lastWriteSeconds: two saves
    // written in one second still differ.
    std::uint32_t lastWriteNanoseconds = 0;

    bool operator==(const DirEntry&) const = default;
};

// Whether names that differ only in letter case name one file: a program's
// own names are matched in their exact case where they do not.
#ifdef _WIN32
inline constexpr bool kNamesIgnoreCase = true;
#else
inline constexpr bool kNamesIgnoreCase = false;
#endif

// The file both this program and its Windows build lock a career by, with a
// lock on its first byte; it stays in the career folder, so that both open
// the one file.
inline constexpr std::string_view kLockFileName = "KelmarPatrol.lock";

// Held while one copy of the program changes a career; released when
// destroyed, and by the operating system when the program dies. Wine keeps a
// Windows program's byte-range lock as a POSIX lock on the Unix file, which
// the Linux program's open-file-description lock conflicts with: the Linux
// program and the Windows one under Wine keep each other out.
class FolderLock {
  public:
    virtual ~FolderLock() = default;
};

enum class LockState {
    Held,         // the lock is ours
    Busy,         // another process holds it
    Unsupported,  // the file system keeps no such locks; nobody can hold one
};

struct LockResult {
    LockState state = LockState::Unsupported;
    std::unique_ptr<FolderLock> lock;  // with Held
};

// Whether a file could be replaced now, and if not the lasting reason.
enum class Replaceable {
    Yes,
    ReadOnlyFile,    // the file is marked read-only
    ReadOnlyFolder,  // its folder, or the disk it lies on, takes no change
    Held,            // another program holds it and lets nobody replace it
};

enum class ExchangeResult {
    Done,
    Unsupported,  // the file system cannot swap two names in one step
    Failed,
};

// Why a file could not be opened for reading, as a player can act on it.
enum class OpenFailureCause {
    Missing,  // not there, or not a regular file
    Held,     // another program holds it open and shares it with no one
    Denied,   // the user may not read it
    Other,
};

struct OpenFailure {
    OpenFailureCause cause = OpenFailureCause::Missing;
    // With Other, and after a failed Create: the system's words for the error.
    std::string detail;
};

class FileOps {
  public:
    virtual ~FileOps() = default;
    // Only a regular file opens: a folder, a FIFO or a device is refused as
    // a missing file is, without waiting for a writer at its other end.
    virtual std::unique_ptr<InputFile> OpenRead(const std::filesystem::path& path) = 0;
    // As OpenRead, for a file a change's record names (the record itself,
    // kept content, the files it replaced): `relative` is opened step by step
    // from `folder`, and a link at any step is refused, not followed, so
    // that nothing outside the folder is read or put back through it.
    virtual std::unique_ptr<InputFile> OpenOwnFile(const std::filesystem::path& folder,
                                                   const std::filesystem::path& relative) = 0;
    // Why the last OpenRead, OpenOwnFile or Create that returned nothing failed.
    virtual OpenFailure LastOpenFailure() const = 0;
    // Creates a new file of our own under the name: whatever lay there
    // before (a leftover file, or a link, which is removed and not followed)
    // is gone first. Fails when the name cannot be freed or is taken again.
    virtual std::unique_ptr<OutputFile> Create(const std::filesystem::path& path) = 0;
    // Puts `from` in the place of `to` in one step; `to` may exist and is then
    // replaced, and `from` takes its permissions. A read-only `to` stays.
    virtual bool Replace(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    // Makes `folder` and every missing folder above it, with the user's
    // default permissions; empty when it is there, else the system's words for
    // why not.
    virtual std::string MakeFolders(const std::filesystem::path& folder) = 0;
    // Swaps the two names in one step, `from` taking the permissions of
    // `to`: what `to` held is then under `from`, to be checked.
    virtual ExchangeResult Exchange(const std::filesystem::path& from,
                                    const std::filesystem::path& to) = 0;
    // Replace and Remove of names a change's record gives, within `folder`,
    // a link at any step refused as OpenOwnFile refuses it. The content put
    // back keeps the permissions it was kept with.
    virtual bool ReplaceOwn(const std::filesystem::path& folder, const std::filesystem::path& from,
                            const std::filesystem::path& to) = 0;
    virtual bool RemoveOwn(const std::filesystem::path& folder,
                           const std::filesystem::path& relative) = 0;
    // Whether ReplaceOwn (or Replace) could put something in the place of
    // `relative` now: asked before a change, a put-back or an Undo writes
    // anything.
    virtual Replaceable CanReplace(const std::filesystem::path& folder,
                                   const std::filesystem::path& relative) = 0;
    // A second name `to` for the file `existing`; false where the file system
    // has no hard links, or `to` is taken.
    virtual bool Link(const std::filesystem::path& existing, const std::filesystem::path& to) = 0;
    // Locks the folder against other processes that lock it, without
    // waiting, by its lock file (kLockFileName), made when missing and left.
    virtual LockResult LockFolder(const std::filesystem::path& folder) = 0;
    virtual bool Remove(const std::filesystem::path& path) = 0;
    // The entries of a folder, "." and ".." excluded, in no particular order.
    virtual std::optional<std::vector<DirEntry>> List(const std::filesystem::path& dir) = 0;
    // Whether `path` names a folder, a link followed to its target; a folder
    // that may not be listed counts too.
    virtual bool IsFolder(const std::filesystem::path& path) = 0;
};

// The real file system.
FileOps& SystemFileOps();

}  // namespace kp
