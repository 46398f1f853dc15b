// Start-up as KelmarPatrol.exe makes it (the user's folders, the command line,
// the folder choice, career discovery), up to the main window shown and
// painted, then quits: timed against startup-minimal-win32.
#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/program_start.h"
#include "platform/file_ops.h"
#include "platform/user_folders.h"
#include "ui/patrol_dialog.h"
#include "ui/win32/patrol_window.h"

namespace {

// A timer comes after the window's painting in the queue.
void CALLBACK Quit(HWND, UINT, UINT_PTR, DWORD) {
    PostQuitMessage(0);
}

// A benchmark never waits for a user: without a folder found, it fails.
std::optional<std::filesystem::path> NoChoice() {
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    const kp::UserFolders folders = kp::SystemUserFolders();
    const kp::CommandLine line =
        kp::ReadArguments(std::vector<std::string>(argv + 1, argv + argc), folders);
    kp::RandomSource random;
    kp::CKelmarPatrol2Dlg dialog(kp::SystemFileOps(), random);
    if (line.action != kp::CommandLine::Action::Run ||
        kp::StartProgram(dialog, random, line, folders, NoChoice, [](const std::string&) {}) !=
            kp::StartOutcome::Opened) {
        return 1;
    }
    SetTimer(nullptr, 0, 0, Quit);
    kp::PatrolWindow window(dialog);
    window.Run();
    return 0;
}
