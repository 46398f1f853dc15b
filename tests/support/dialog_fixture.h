// The dialog as the program opens it, on controls held in memory, and what a
// user then does with it: the one set-up the dialog-level tests share.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "memory_controls.h"
#include "ui/patrol_dialog.h"

namespace kp {

class DialogFixture {
  public:
    // `files` serves start-up and the dialog alike.
    explicit DialogFixture(FileOps& files = SystemFileOps());
    DialogFixture(const DialogFixture&) = delete;
    DialogFixture& operator=(const DialogFixture&) = delete;

    // Start-up on `cfgFolder` with `seed`, then the window opened; false, and
    // no window, when start-up found no career.
    bool Open(const std::filesystem::path& cfgFolder, std::uint32_t seed = 1);
    int IndexOf(const std::string& career) const;
    // A click on the career's list entry.
    void Select(const std::string& career);
    // A click on a base button by its position: the land base, then the
    // north, mid and south tankers. The platform checks the radio button
    // before its handler runs.
    void Click(int button);

    // Sees every message box as it shows, before the OK that closes it.
    std::function<void(const std::string&)> onMessage;
    RandomSource random{1};
    MemoryControls controls;
    CKelmarPatrol2Dlg dlg;

  private:
    FileOps& files_;
};

}  // namespace kp
