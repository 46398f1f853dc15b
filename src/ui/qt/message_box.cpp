#include "ui/qt/message_box.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
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

}  // namespace

MessageAnswer ShowProgramMessage(QWidget* parent, const std::string& text, MessageButtons buttons) {
    QMessageBox box(QMessageBox::Warning, Caption(), ToQString(text),
                    kButtons[static_cast<std::size_t>(buttons)], parent);
    box.setObjectName(QStringLiteral("messageBox"));
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Ok) ? MessageAnswer::Ok
                                                              : MessageAnswer::Cancel;
}

}  // namespace kp
