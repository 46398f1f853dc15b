// rewrite-peak-memory make FOLDER MB: writes a history of about MB megabytes.
// rewrite-peak-memory FOLDER: rewrites one value of that history once and
// prints the process's peak resident memory in KiB. A rewrite that streams
// needs the same memory for any size of file.
// rewrite-peak-memory make-long FOLDER MB: writes a configuration folder with
// one career whose history's last patrol holds a line of MB megabytes, and
// prints where that line lies in the history: its offset and length.
// rewrite-peak-memory tanker FOLDER: selects that career, chooses the North
// Atlantic tanker, presses "Make Changes", and prints the peak as above.
#include <sys/resource.h>

#include <cstdlib>
#include <iostream>
#include <string>

#include "app/program_start.h"
#include "apply/writers.h"
#include "bench_files.h"
#include "career/file_names.h"
#include "career_fixture.h"
#include "change_one_file.h"
#include "memory_controls.h"
#include "platform/path_text.h"
#include "ui/patrol_dialog.h"

namespace {

constexpr int kLongLinePatrols = 3;

void MakeLongLineCareer(const std::filesystem::path& cfg, std::size_t lineBytes) {
    const std::filesystem::path career = cfg / "careers" / "Long";
    const auto history = kp::bench::HistoryWithLongLine(kLongLinePatrols, lineBytes);
    kp::WriteFile(career / "patrols.cfg", history.text);
    kp::WriteFile(career / "patrols_0.cfg",
                  kp::Crlf("[INIT]\nPatrols=3\n[PATROL 003]\nEndLocation=753\nSubType=1\n"
                           "SubVersion=1\nPatrolArea=NULL\nStartYear=1942\nStartMonth=8\n"
                           "StartDay=1\nNbDaysInBase=31\nHullIntegrity=100.0000\nFlotilla=2\n"));
    kp::WriteFile(career / "careers_0.cfg",
                  kp::Crlf("[INIT]\nCareers=1\n[CAREER 001]\nRadarWarningReceiverUpg=-1\n"));
    std::cout << history.lineOffset << " " << history.lineBytes << "\n";
}

// False unless the change went through to "Job Done.".
bool ChangeWithTanker(const std::filesystem::path& cfg) {
    kp::MemoryControls controls;
    kp::RandomSource random;
    kp::CKelmarPatrol2Dlg dialog(kp::SystemFileOps(), random);
    if (!kp::StartInConfigFolder(dialog, random, 1, kp::SystemFileOps(), cfg)) {
        return false;
    }
    dialog.Attach(controls);
    dialog.OnInitDialog();
    controls.SetListSelection(0);
    dialog.OnSelchangeCareerList();
    dialog.OnTankerNorth();
    dialog.OnOK();
    const auto& messages = controls.Messages();
    if (!messages.empty() && messages.back() == "Job Done.") {
        return true;
    }
    for (const std::string& message : messages) {
        std::cerr << message << "\n";
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "make") {
        const auto megabytes = static_cast<std::size_t>(std::atoi(argv[3]));
        kp::WriteFile(kp::PathFromUtf8(argv[2]) / "patrols.cfg",
                      kp::bench::HistoryOfSize(megabytes << 20));
        return 0;
    }
    if (argc == 4 && std::string(argv[1]) == "make-long") {
        const auto megabytes = static_cast<std::size_t>(std::atoi(argv[3]));
        MakeLongLineCareer(kp::PathFromUtf8(argv[2]), megabytes << 20);
        return 0;
    }
    if (argc == 3 && std::string(argv[1]) == "tanker") {
        if (!ChangeWithTanker(kp::PathFromUtf8(argv[2]))) {
            return 1;
        }
    } else if (argc == 2) {
        const auto career = kp::PathFromUtf8(argv[1]);
        const auto writer = kp::RewritePatrolHistory(career / kp::kHistoryFile, "ES32",
                                                     kp::WorkingDate{14, 4, 1942}, 85.0f);
        if (kp::ChangeOneFile(kp::SystemFileOps(), career, writer, [](const std::string&) {}) !=
            kp::WriteOutcome::Ready) {
            return 1;
        }
    } else {
        std::cerr << "usage: rewrite-peak-memory [make|make-long|tanker] FOLDER [MB]\n";
        return 2;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::cout << usage.ru_maxrss << "\n";
    return 0;
}
