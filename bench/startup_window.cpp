// Start-up as the program makes it, up to the main window shown, then quits:
// timed against a minimal Qt dialog program by scripts/bench.sh.
#include <QApplication>
#include <QTimer>
#include <filesystem>

#include "app/program_start.h"
#include "ui/patrol_dialog.h"
#include "ui/qt/patrol_window.h"
#include "ui/qt/program_icon.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(kp::ProgramIcon());
    kp::RandomSource random;
    kp::CKelmarPatrol2Dlg dialog(kp::SystemFileOps(), random);
    if (argc < 2 ||
        !kp::StartInConfigFolder(dialog, random, kp::ClockSeed(), kp::SystemFileOps(), argv[1])) {
        return 1;
    }
    kp::PatrolWindow window(dialog);
    window.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
