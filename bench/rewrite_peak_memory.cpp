// rewrite-peak-memory make FOLDER MB: writes a history of about MB megabytes.
// rewrite-peak-memory FOLDER: rewrites one value of that history once and
// prints the process's peak resident memory in KiB. A rewrite that streams
// needs the same memory for any size of file.
#include <sys/resource.h>

#include <cstdlib>
#include <iostream>
#include <string>

#include "apply/writers.h"
#include "bench_files.h"
#include "career/file_names.h"
#include "career_fixture.h"
#include "rewrite_one_file.h"

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "make") {
        const auto megabytes = static_cast<std::size_t>(std::atoi(argv[3]));
        kp::WriteFile(kp::PathFromUtf8(argv[2]) / "patrols.cfg",
                      kp::bench::HistoryOfSize(megabytes << 20));
        return 0;
    }
    if (argc != 2) {
        std::cerr << "usage: rewrite-peak-memory [make] FOLDER [MB]\n";
        return 2;
    }
    const auto writer = kp::RewritePatrolHistory(kp::SystemFileOps(), kp::PathFromUtf8(argv[1]),
                                                 "ES32", kp::WorkingDate{14, 4, 1942}, 85.0f);
    if (kp::RewriteThroughTempFile(kp::SystemFileOps(), writer, [](const std::string&) {}) !=
        kp::WriteOutcome::Ready) {
        return 1;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::cout << usage.ru_maxrss << "\n";
    return 0;
}
