#include "ui/qt/folder_chooser.h"

#include <QDir>
#include <QFileDialog>
#include <QSettings>
#include <QString>

#include "platform/path_text.h"
#include "ui/qt/utf8_text.h"
#include "ui/window_texts.h"

namespace kp {
namespace {

// Qt's file dialog keeps its history and sizes in a settings file of its own
// (~/.config/QtProject.conf) when it closes, and nothing turns that off. The
// program keeps one setting, in a file of its own, and nothing else: Qt's
// settings are sent where no folder can be made, so that none is written.
void WriteNoQtSettings() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
}

}  // namespace

// From the home folder, hidden folders shown: the compatibility layers keep
// their prefixes in hidden folders (~/.wine, ~/.local/share/Steam, ~/.var/app).
std::optional<std::filesystem::path> ChooseFolder() {
    WriteNoQtSettings();
    QFileDialog chooser(nullptr, ToQString(kChooseFolderTitle), QDir::homePath());
    chooser.setFileMode(QFileDialog::Directory);
    chooser.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    chooser.setFilter(QDir::AllDirs | QDir::Hidden | QDir::NoDotAndDotDot);
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return PathFromUtf8(ToUtf8(chooser.selectedFiles().constFirst()));
}

}  // namespace kp
