// Takes a career's lock through the program's own file operations, built
// for Linux and for Windows, so that a test can show the two programs keep
// each other out under Wine:
//   lock_holder try FOLDER        prints "held" or "busy"
//   lock_holder hold FOLDER STOP  prints "held", then holds the lock until
//                                 the file STOP appears
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <thread>

#include "platform/file_ops.h"

int main(int argc, char** argv) {
    using kp::LockState;
    const bool hold = argc == 4 && std::strcmp(argv[1], "hold") == 0;
    if (!hold && !(argc == 3 && std::strcmp(argv[1], "try") == 0)) {
        std::fprintf(stderr, "usage: lock_holder try FOLDER | hold FOLDER STOP\n");
        return 2;
    }
    const kp::LockResult lock = kp::SystemFileOps().LockFolder(argv[2]);
    const char* state = lock.state == LockState::Held   ? "held"
                        : lock.state == LockState::Busy ? "busy"
                                                        : "unsupported";
    std::printf("%s\n", state);
    std::fflush(stdout);
    if (hold && lock.state == LockState::Held) {
        std::error_code ec;
        while (!std::filesystem::exists(argv[3], ec)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    return lock.state == LockState::Unsupported ? 1 : 0;
}
