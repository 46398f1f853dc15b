// Scratch configuration folders with careers written by the tests.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "career/file_messages.h"

namespace kp {

// While it lives, a missing file is told in the words of `platform`.
class MessagesOf {
  public:
    explicit MessagesOf(MessagePlatform platform) : before_(MessagesInUse()) {
        UseMessagesOf(platform);
    }
    ~MessagesOf() { UseMessagesOf(before_); }
    MessagesOf(const MessagesOf&) = delete;
    MessagesOf& operator=(const MessagesOf&) = delete;

  private:
    MessagePlatform before_;
};

class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// "\n" line ends turned into "\r\n", as the simulation writes its files.
std::string Crlf(std::string_view text);
void WriteFile(const std::filesystem::path& file, std::string_view bytes);
// False where "a" and "A" name the same file, as on Windows.
bool CaseSensitiveNames(const std::filesystem::path& folder);
std::string ReadFile(const std::filesystem::path& file);
// A career's next-patrol file and history in `cfgFolder`, with CRLF line ends.
void WriteCareer(const std::filesystem::path& cfgFolder, std::string_view career,
                 std::string_view nextPatrol, std::string_view history);

// Sets the file's last-write time.
void SetWriteTime(const std::filesystem::path& file,
                  std::chrono::sys_time<std::chrono::milliseconds> when);
// A save on the disk, in the folder of patrol `patrolFolder`, written at
// `seconds` since 1970.
std::filesystem::path WriteSave(const std::filesystem::path& career, const std::string& file,
                                const std::string& content, std::int64_t seconds = 1'000'000'000,
                                int patrolFolder = 2);

}  // namespace kp
