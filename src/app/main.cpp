// KelmarPatrol: start-up in the working directory, then the main window.
#include <QApplication>
#include <filesystem>
#include <system_error>

#include "app/find_careers.h"
#include "grid/random_source.h"
#include "platform/file_ops.h"
#include "ui/patrol_dialog.h"
#include "ui/qt/message_box.h"
#include "ui/qt/patrol_window.h"
#include "ui/qt/program_icon.h"
#include "ui/qt/utf8_text.h"
#include "ui/window_texts.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(kp::ToQString(kp::kProgramName));
    QApplication::setApplicationVersion(kp::ToQString(kp::kProgramVersion));
    QApplication::setWindowIcon(kp::ProgramIcon());

    // A working directory that cannot be read finds no careers either.
    std::error_code error;
    const std::filesystem::path cfgFolder = std::filesystem::current_path(error);

    kp::RandomSource random;
    kp::CKelmarPatrol2Dlg dialog(kp::SystemFileOps(), random);
    if (!kp::StartUp(dialog, random, kp::ClockSeed(), kp::SystemFileOps(), cfgFolder)) {
        kp::ShowProgramMessage(nullptr, kp::kNoCareersMessage, kp::MessageButtons::Ok);
        return 0;
    }
    kp::PatrolWindow window(dialog);
    window.exec();
    return 0;
}
