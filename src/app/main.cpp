// KelmarPatrol [FOLDER]: start-up on the configuration folder, then the main window.
#include <QApplication>
#include <QStringList>
#include <iostream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/find_careers.h"
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

// Qt has the arguments as the system spelled them (UTF-16 on Windows), so a
// folder's name beyond ASCII arrives whole.
std::vector<std::string> Utf8Arguments() {
    std::vector<std::string> args;
    const QStringList all = QCoreApplication::arguments();
    for (qsizetype i = 1; i < all.size(); ++i) {
        args.push_back(kp::ToUtf8(all[i]));
    }
    return args;
}

// Help, version and mistakes are answered before any window system is needed.
int Answer(const kp::CommandLine& line) {
    const bool error = line.action == kp::CommandLine::Action::Error;
    (error ? std::cerr : std::cout) << line.text;
    return error ? kp::kUsageErrorStatus : 0;
}

}  // namespace

int main(int argc, char** argv) {
    const kp::UserFolders folders = kp::SystemUserFolders();
    const kp::CommandLine early =
        kp::ParseProgramArguments(std::vector<std::string>(argv + 1, argv + argc), folders);
    if (early.action != kp::CommandLine::Action::Run) {
        return Answer(early);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(kp::ToQString(kp::kProgramName));
    QApplication::setApplicationVersion(kp::ToQString(kp::kProgramVersion));
    QApplication::setWindowIcon(kp::ProgramIcon());
    const kp::CommandLine line = kp::ParseProgramArguments(Utf8Arguments(), folders);
    if (line.action != kp::CommandLine::Action::Run) {
        return Answer(line);
    }

    kp::RandomSource random;
    kp::CKelmarPatrol2Dlg dialog(kp::SystemFileOps(), random);
    if (!kp::StartProgram(dialog, random, line, folders, kp::ChooseFolder)) {
        kp::ShowProgramMessage(nullptr, kp::kNoCareersMessage, kp::MessageButtons::Ok);
        return 0;
    }
    kp::PatrolWindow window(dialog);
    window.exec();
    return 0;
}
