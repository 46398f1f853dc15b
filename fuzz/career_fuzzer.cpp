// Arbitrary bytes as a career's three .cfg files and a save: the career is
// loaded and "Make Changes" is run on it, with a tanker and with a land base.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/program_start.h"
#include "memory_controls.h"
#include "memory_file_ops.h"
#include "ui/patrol_dialog.h"

namespace {

// Inputs are split into the four files at this mark.
constexpr std::string_view kSeparator = "\n#####\n";

void RunCareer(const std::string_view files[4], int base, const std::string& grid) {
    kp::MemoryFileOps ops;
    const std::filesystem::path career = "/cfg/careers/Fuzz";
    ops.Put(career / "patrols_0.cfg", std::string(files[0]));
    ops.Put(career / "patrols.cfg", std::string(files[1]));
    ops.Put(career / "careers_0.cfg", std::string(files[2]));
    // The save lies in the folder of whatever count the history has; try the usual ones.
    for (const char* folder : {"0", "1", "2", "3", "-1"}) {
        ops.Put(career / folder / "save.psc", std::string(files[3]));
    }
    kp::MemoryControls controls;
    kp::RandomSource random;
    kp::CKelmarPatrol2Dlg dialog(ops, random);
    if (!kp::StartInConfigFolder(dialog, random, 1, ops, "/cfg")) {
        __builtin_trap();  // the career folder is always there
    }
    dialog.Attach(controls);
    dialog.OnInitDialog();
    controls.SetListSelection(0);
    dialog.OnSelchangeCareerList();
    if (base == 0) {
        dialog.OnLandBase();
    } else {
        dialog.OnTankerMid();
    }
    controls.TypeGrid(grid);
    dialog.OnOK();
    for (const auto& [path, bytes] : ops.Files()) {
        const std::string name = path.filename().string();
        if (name.find("TMP") != std::string::npos) {
            __builtin_trap();  // a temporary file outlived the command
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string_view files[4];
    for (int i = 0; i < 3; ++i) {
        const auto mark = input.find(kSeparator);
        files[i] = input.substr(0, mark);
        input = mark == std::string_view::npos ? std::string_view()
                                               : input.substr(mark + kSeparator.size());
    }
    files[3] = input;
    RunCareer(files, 0, "es3");
    RunCareer(files, 1, "----");
    return 0;
}
