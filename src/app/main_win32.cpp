// KelmarPatrol.exe [FOLDER]: start-up in the configuration folder, then the
// main window, natively on Windows.
#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/program_start.h"
#include "grid/random_source.h"
#include "platform/file_ops.h"
#include "platform/user_folders.h"
#include "ui/patrol_dialog.h"
#include "ui/win32/folder_chooser.h"
#include "ui/win32/message_box.h"
#include "ui/win32/patrol_window.h"
#include "ui/win32/program_output.h"
#include "ui/win32/wide_text.h"

namespace {

// The arguments as the system spelled them, in UTF-16, so a folder's name
// beyond the code page arrives whole; without the program's own name.
std::vector<std::string> Utf8Arguments() {
    int count = 0;
    wchar_t** all = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 1; all != nullptr && i < count; ++i) {
        args.push_back(kp::Utf8(all[i]));
    }
    LocalFree(all);
    return args;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const kp::UserFolders folders = kp::SystemUserFolders();
    const kp::CommandLine line = kp::ReadArguments(Utf8Arguments(), folders);
    if (line.action == kp::CommandLine::Action::Error) {
        kp::TellUser(line.text, line.boxText, kp::OutputStream::Error);
        return kp::kUsageErrorStatus;
    }
    if (line.action != kp::CommandLine::Action::Run) {
        kp::TellUser(line.text, line.boxText, kp::OutputStream::Out);
        return 0;
    }

    kp::RandomSource random;
    kp::CKelmarPatrol2Dlg dialog(kp::SystemFileOps(), random);
    const auto tell = [](const std::string& text) {
        kp::ShowProgramMessage(nullptr, text, kp::MessageButtons::Ok);
    };
    if (kp::StartProgram(dialog, random, line, folders, kp::ChooseFolder, tell) !=
        kp::StartOutcome::Opened) {
        tell(kp::kNoCareersMessage);
        return 0;
    }
    kp::PatrolWindow window(dialog);
    window.Run();
    return 0;
}
