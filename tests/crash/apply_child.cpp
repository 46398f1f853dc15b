// The child the crash test kills: one "Make Changes" with a tanker at a base,
// as a player would make it, on the configuration folder given; with
// --select, only the start that selects the career.
#include <iostream>

#include "app/program_start.h"
#include "memory_controls.h"
#include "platform/path_text.h"
#include "ui/patrol_dialog.h"

int main(int argc, char** argv) {
    const bool selectOnly = argc == 3 && std::string(argv[1]) == "--select";
    if (argc != 2 && !selectOnly) {
        std::cerr << "usage: kp-crash-child [--select] CONFIG_FOLDER\n";
        return 2;
    }
    kp::MemoryControls controls;
    kp::RandomSource random;
    kp::CKelmarPatrol2Dlg dialog(kp::SystemFileOps(), random);
    if (!kp::StartInConfigFolder(dialog, random, 1, kp::SystemFileOps(),
                                 kp::PathFromUtf8(argv[argc - 1]))) {
        std::cerr << "no career\n";
        return 1;
    }
    dialog.Attach(controls);
    dialog.OnInitDialog();
    controls.SetListSelection(0);
    dialog.OnSelchangeCareerList();
    if (selectOnly) {
        for (const std::string& text : controls.Messages()) {
            std::cout << "message: " << text << "\n";
        }
        return dialog.CareerLoaded() ? 0 : 1;
    }
    dialog.OnTankerMid();
    dialog.OnOK();
    const auto& shown = controls.Messages();
    if (controls.Result() != kp::DialogResult::Ok || shown.empty() || shown.back() != "Job Done.") {
        for (const std::string& text : shown) {
            std::cerr << "message: " << text << "\n";
        }
        return 1;
    }
    return 0;
}
