// KelmarPatrol [FOLDER]: start-up on the configuration folder, then the main window.
#include <QApplication>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>
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

// Whether a box would be seen: a display to show it on, and a Qt platform
// that draws on it (not the tests' offscreen one).
bool BoxCanBeSeen() {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const std::string_view qpa = platform != nullptr ? platform : "";
    return (set("DISPLAY") || set("WAYLAND_DISPLAY")) && !qpa.starts_with("offscreen") &&
           !qpa.starts_with("minimal");
}

// A display that is named but cannot be reached (a forwarding that broke,
// another user's session) ends Qt's start with a fatal message. The mistake
// is already on standard error, so the program ends as any usage error does
// instead of aborting.
QtMessageHandler qtHandler = nullptr;

void EndAsUsageErrorWhenNoDisplay(QtMsgType type, const QMessageLogContext& context,
                                  const QString& message) {
    if (type != QtFatalMsg && qtHandler != nullptr) {
        qtHandler(type, context, message);
        return;
    }
    std::cerr << qFormatLogMessage(type, context, message).toStdString() << std::endl;
    if (type == QtFatalMsg) {
        std::_Exit(kp::kUsageErrorStatus);
    }
}

// Where this program runs from, to be typed again in a terminal.
std::string ProgramPath() {
    return kp::ToUtf8(QCoreApplication::applicationFilePath());
}

// Help, version and mistakes are answered before any window system is
// needed; a name that is no folder also in a box, since a file dropped on
// the menu entry has no terminal to read standard error in.
int Answer(const kp::CommandLine& line, int argc, char** argv) {
    const bool error = line.action == kp::CommandLine::Action::Error;
    (error ? std::cerr : std::cout) << line.text;
    if (error && !line.folder.empty() && BoxCanBeSeen()) {
        std::cerr.flush();
        qtHandler = qInstallMessageHandler(EndAsUsageErrorWhenNoDisplay);
        const QApplication app(argc, argv);
        kp::ShowProgramMessage(nullptr, line.boxText, kp::MessageButtons::Ok);
    }
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
        return Answer(line, argc, argv);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(kp::ToQString(kp::kProgramName));
    QApplication::setApplicationVersion(kp::ToQString(kp::kProgramVersion));
    QApplication::setWindowIcon(kp::ProgramIcon());

    kp::RandomSource random;
    kp::CKelmarPatrol2Dlg dialog(kp::SystemFileOps(), random);
    const auto tell = [](const std::string& text) {
        kp::ShowProgramMessage(nullptr, text, kp::MessageButtons::Ok);
    };
    switch (kp::StartProgram(dialog, random, line, folders, kp::ChooseFolder, tell)) {
        case kp::StartOutcome::Opened:
            break;
        case kp::StartOutcome::NoCareers:
            tell(kp::NoCareersFoundMessage(dialog.m_szCfgPath, ProgramPath()));
            return 0;
        case kp::StartOutcome::NoFolderChosen:
            tell(kp::NoFolderChosenMessage(ProgramPath()));
            return 0;
    }
    kp::PatrolWindow window(dialog);
    window.exec();
    return 0;
}
