#include "ui/qt/about_box.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStringList>

#include "ui/about_folder_line.h"
#include "ui/qt/dialog_builder.h"
#include "ui/qt/dialog_templates.h"
#include "ui/qt/program_icon.h"
#include "ui/qt/utf8_text.h"
#include "ui/text_lines.h"

namespace kp {

AboutBox::AboutBox(std::string_view cfgPath, QWidget* parent) : QDialog(parent) {
    BuildDialog(*this, kAboutBoxTemplate);
    setWindowIcon(ProgramIcon());
    // A path seldom breaks at a word and may be longer than the box is wide:
    // it is shown whole, on as many lines as it takes, each as wide as the
    // line's place (a label breaks only at spaces). The box grows down for them.
    auto* folder = findChild<QLabel*>(ToQString(kAboutFolderName));
    const QFontMetrics metrics = folder->fontMetrics();
    QStringList lines;
    for (const std::string& line :
         BreakIntoLines(AboutFolderLine(cfgPath), folder->contentsRect().width(),
                        [&metrics](std::string_view piece) {
                            return metrics.horizontalAdvance(ToQString(piece));
                        })) {
        lines << ToQString(line);
    }
    folder->setWordWrap(false);
    folder->setText(lines.join(u'\n'));
    folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    const ShownTexts shown[] = {{kAboutFolderName, {ToUtf8(folder->text())}}};
    GrowForTexts(*this, kAboutBoxTemplate, shown);
    auto* ok = findChild<QPushButton*>(ToQString(kAboutOkName));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    ok->setFocus();
}

}  // namespace kp
