// Start-up as KelmarPatrol.exe makes it, up to the main window shown and
// painted, then quits: timed against startup-minimal-win32.
#include <windows.h>

#include "app/find_careers.h"
#include "ui/patrol_dialog.h"
#include "ui/win32/patrol_window.h"

namespace {

// A timer comes after the window's painting in the queue.
void CALLBACK Quit(HWND, UINT, UINT_PTR, DWORD) {
    PostQuitMessage(0);
}

}  // namespace

int main(int argc, char** argv) {
    kp::RandomSource random;
    kp::CKelmarPatrol2Dlg dialog(kp::SystemFileOps(), random);
    if (argc < 2 || !kp::StartUp(dialog, random, kp::ClockSeed(), kp::SystemFileOps(), argv[1])) {
        return 1;
    }
    SetTimer(nullptr, 0, 0, Quit);
    kp::PatrolWindow window(dialog);
    window.Run();
    return 0;
}
