// The floor for start-up: a Qt dialog with one button, shown, then quit.
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDialog dialog;
    QPushButton button("OK", &dialog);
    dialog.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
