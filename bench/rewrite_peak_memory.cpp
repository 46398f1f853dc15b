// Rewrites one value of the history in FOLDER once and prints the process's
// peak resident memory: a rewrite that streams needs the same for any size.
#include <sys/resource.h>

#include <iostream>

#include "apply/writers.h"
#include "career/file_names.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: rewrite-peak-memory FOLDER\n";
        return 2;
    }
    kp::WorkingDate date{14, 4, 1942};
    float hull = 85.0f;
    const auto writer = kp::RewritePatrolHistory(kp::SystemFileOps(), kp::PathFromUtf8(argv[1]),
                                                 "ES32", date, hull);
    if (kp::RewriteThroughTempFile(kp::SystemFileOps(), writer, [](const std::string&) {}) !=
        kp::WriteOutcome::Committed) {
        return 1;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::cout << usage.ru_maxrss << "\n";  // KiB
    return 0;
}
