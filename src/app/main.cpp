// KelmarPatrol [FOLDER]: start-up on the configuration folder, then the main window.
#include <QApplication>
#include <iostream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/program_start.h"
#include "grid/random_source.h"
#include "platform/file_ops.h"
#include "platform/user_folders.h"
#include "ui/patrol_dialog.h"
#include "ui/qt/folder_chooser.h"
#include "ui/qt/message_box.h"
#include "ui/qt/patrol_window.h"
#include "ui/qt/program_icon.h"
#include "ui/qt/utf8_text.h"
#include "ui/window_texts.h"

namespace {

// Help, version and mistakes are answered before any window system is needed.
int Answer(const kp::CommandLine& line) {
    const bool error = line.action == kp::CommandLine::Action::Error;
    (error ? std::cerr : std::cout) << line.text;
    return error ? kp::kUsageErrorStatus : 0;
}

}  // namespace

int main(int argc, char** argv) {
    const kp::UserFolders folders = kp::SystemUserFolders();
    // The arguments read once, as the system passed them: on Linux the bytes
    // of each name, so a folder's name arrives whole whatever its encoding.
    const kp::CommandLine line =
        kp::ReadArguments(std::vector<std::string>(argv + 1, argv + argc), folders);
    if (line.action != kp::CommandLine::Action::Run) {
        return Answer(line);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(kp::ToQString(kp::kProgramName));
    QApplication::setApplicationVersion(kp::ToQString(kp::kProgramVersion));
    QApplication::setWindowIcon(kp::ProgramIcon());

    kp::RandomSource random;
    kp::CKelmarPatrol2Dlg dialog(kp::SystemFileOps(), random);
    if (!kp::StartProgram(dialog, random, line, folders, kp::ChooseFolder)) {
        kp::ShowProgramMessage(nullptr, kp::NoCareersFoundMessage(dialog.m_szCfgPath),
                               kp::MessageButtons::Ok);
        return 0;
    }
    kp::PatrolWindow window(dialog);
    window.exec();
    return 0;
}
