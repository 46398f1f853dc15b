#include "career_fixture.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <system_error>

namespace kp {

// Tests run side by side in processes of their own, whose counters and clocks
// may agree: a folder another made first is never shared.
ScratchFolder::ScratchFolder() {
    static std::atomic<int> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    do {
        path_ = std::filesystem::temp_directory_path() /
                ("kp-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    } while (!std::filesystem::create_directory(path_));
}

ScratchFolder::~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string Crlf(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '\n') {
            out += '\r';
        }
        out += c;
    }
    return out;
}

void WriteFile(const std::filesystem::path& file, std::string_view bytes) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool CaseSensitiveNames(const std::filesystem::path& folder) {
    const auto probe = folder / "case-probe";
    WriteFile(probe, "");
    std::error_code ec;
    const bool sensitive = !std::filesystem::exists(folder / "CASE-PROBE", ec);
    std::filesystem::remove(probe, ec);
    return sensitive;
}

std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteCareer(const std::filesystem::path& cfgFolder, std::string_view career,
                 std::string_view nextPatrol, std::string_view history) {
    const auto folder = cfgFolder / "careers" / career;
    WriteFile(folder / "patrols_0.cfg", Crlf(nextPatrol));
    WriteFile(folder / "patrols.cfg", Crlf(history));
}

void SetWriteTime(const std::filesystem::path& file,
                  std::chrono::sys_time<std::chrono::milliseconds> when) {
    std::filesystem::last_write_time(file, std::chrono::file_clock::from_sys(when));
}

std::filesystem::path WriteSave(const std::filesystem::path& career, const std::string& file,
                                const std::string& content, std::int64_t seconds,
                                int patrolFolder) {
    const std::filesystem::path path = career / std::to_string(patrolFolder) / file;
    WriteFile(path, Crlf(content));
    SetWriteTime(path, std::chrono::sys_seconds{std::chrono::seconds(seconds)});
    return path;
}

}  // namespace kp
