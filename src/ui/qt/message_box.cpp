#include "ui/qt/message_box.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <array>
#include <cstddef>

#include "ui/qt/utf8_text.h"

namespace kp {
namespace {

// By MessageButtons.
const std::array<QMessageBox::StandardButtons, 2> kButtons = {
    QMessageBox::Ok, QMessageBox::Ok | QMessageBox::Cancel};

// The program file's own name, so that a renamed program shows the name it has.
QString Caption() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

// A window manager shortens a title that does not fit beside the title bar's
// icon and buttons ("K…l"), and a short message makes a narrow box: the box
// is kept wide enough for its title whole, with room for about four title-bar
// buttons, each as wide as the bar is high.
void KeepTitleWhole(QMessageBox& box) {
    const QFontMetrics metrics(box.font());
    const int barHeight = 2 * metrics.height();
    const int width = metrics.horizontalAdvance(box.windowTitle()) + 4 * barHeight;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
}

}  // namespace

MessageAnswer ShowProgramMessage(QWidget* parent, const std::string& text, MessageButtons buttons) {
    QMessageBox box(QMessageBox::Warning, Caption(), ToQString(text),
                    kButtons[static_cast<std::size_t>(buttons)], parent);
    box.setObjectName(QStringLiteral("messageBox"));
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    KeepTitleWhole(box);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Ok) ? MessageAnswer::Ok
                                                              : MessageAnswer::Cancel;
}

}  // namespace kp
