#include "modal_box_watcher.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

#include "ui/qt/utf8_text.h"

namespace kp {

ModalBoxWatcher::ModalBoxWatcher(OnBox onBox) : onBox_(std::move(onBox)) {
    QApplication::instance()->installEventFilter(this);
}

ModalBoxWatcher::~ModalBoxWatcher() {
    QApplication::instance()->removeEventFilter(this);
}

bool ModalBoxWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        auto* box = qobject_cast<QDialog*>(watched);
        if (box != nullptr && box->isModal()) {
            // Once exec() runs the box's own loop; the timer dies with the box.
            QTimer::singleShot(0, box, [this, box] { onBox_(*box); });
        }
    }
    return false;
}

std::string MessageText(const QMessageBox& box) {
    return ToUtf8(box.text());
}

MessageButtons ButtonsOf(const QMessageBox& box) {
    return box.button(QMessageBox::Cancel) != nullptr ? MessageButtons::OkCancel
                                                      : MessageButtons::Ok;
}

void ClickAnswer(QMessageBox& box, MessageAnswer answer) {
    QTest::mouseClick(
        box.button(answer == MessageAnswer::Ok ? QMessageBox::Ok : QMessageBox::Cancel),
        Qt::LeftButton);
}

}  // namespace kp
