#include "ui/qt/folder_chooser.h"

#include <QFileDialog>
#include <QString>

#include "career/file_names.h"
#include "ui/qt/utf8_text.h"
#include "ui/window_texts.h"

namespace kp {

std::optional<std::filesystem::path> ChooseFolder() {
    const QString folder =
        QFileDialog::getExistingDirectory(nullptr, ToQString(kChooseFolderTitle));
    if (folder.isEmpty()) {
        return std::nullopt;
    }
    return PathFromUtf8(ToUtf8(folder));
}

}  // namespace kp
