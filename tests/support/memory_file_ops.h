// A file system held in memory, for fuzzing the loader and the writers
// without touching the disk.
#pragma once

#include <map>
#include <set>
#include <string>

#include "platform/file_ops.h"

namespace kp {

class MemoryFileOps : public FileOps {
  public:
    void Put(const std::filesystem::path& path, std::string bytes);
    const std::map<std::filesystem::path, std::string>& Files() const { return files_; }
    // Opening `path` fails for `failure` from now on, as a file held open or
    // locked away would; what it holds stays listed.
    void Refuse(const std::filesystem::path& path, OpenFailure failure);
    // The file, or every file in the folder, may not be replaced from now on.
    void MakeReadOnly(const std::filesystem::path& path);

    std::unique_ptr<InputFile> OpenRead(const std::filesystem::path& path) override;
    // No links here: every file is the program's own.
    std::unique_ptr<InputFile> OpenOwnFile(const std::filesystem::path& folder,
                                           const std::filesystem::path& relative) override {
        return OpenRead(folder / relative);
    }
    OpenFailure LastOpenFailure() const override { return lastFailure_; }
    std::unique_ptr<OutputFile> Create(const std::filesystem::path& path) override;
    bool Replace(const std::filesystem::path& from, const std::filesystem::path& to) override;
    bool Link(const std::filesystem::path& existing, const std::filesystem::path& to) override;
    // Folders are implied by their files: every one is there.
    std::string MakeFolders(const std::filesystem::path&) override { return {}; }
    LockResult LockFolder(const std::filesystem::path& folder) override;
    bool Remove(const std::filesystem::path& path) override;
    ExchangeResult Exchange(const std::filesystem::path& from,
                            const std::filesystem::path& to) override;
    bool ReplaceOwn(const std::filesystem::path& folder, const std::filesystem::path& from,
                    const std::filesystem::path& to) override {
        return Replace(folder / from, folder / to);
    }
    bool RemoveOwn(const std::filesystem::path& folder,
                   const std::filesystem::path& relative) override {
        return Remove(folder / relative);
    }
    // What MakeReadOnly marked: the file, or the folder it lies in.
    Replaceable CanReplace(const std::filesystem::path& folder,
                           const std::filesystem::path& relative) override;
    std::optional<std::vector<DirEntry>> List(const std::filesystem::path& dir) override;
    // A folder here is what lists and is no file, readable or not.
    bool IsFolder(const std::filesystem::path& path) override {
        return List(path).has_value() && !files_.contains(path.lexically_normal());
    }

  private:
    std::map<std::filesystem::path, std::string> files_;  // folders are implied by their files
    std::set<std::filesystem::path> locked_;
    std::map<std::filesystem::path, OpenFailure> refused_;
    std::set<std::filesystem::path> readOnly_;
    OpenFailure lastFailure_;
};

}  // namespace kp
