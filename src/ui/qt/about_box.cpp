#include "ui/qt/about_box.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include "ui/about_folder_line.h"
#include "ui/qt/dialog_builder.h"
#include "ui/qt/dialog_templates.h"
#include "ui/qt/program_icon.h"
#include "ui/qt/utf8_text.h"

namespace kp {

AboutBox::AboutBox(std::string_view cfgPath, QWidget* parent) : QDialog(parent) {
    BuildDialog(*this, kAboutBoxTemplate);
    setWindowIcon(ProgramIcon());
    // A path seldom breaks at a word and may be longer than the box is wide:
    // one line, shortened in the middle where it must be, whole in the tip.
    auto* folder = findChild<QLabel*>(ToQString(kAboutFolderName));
    const QString line = ToQString(AboutFolderLine(cfgPath));
    folder->setWordWrap(false);
    folder->setText(folder->fontMetrics().elidedText(line, Qt::ElideMiddle, folder->width()));
    folder->setToolTip(line);
    auto* ok = findChild<QPushButton*>(ToQString(kAboutOkName));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    ok->setFocus();
}

}  // namespace kp
