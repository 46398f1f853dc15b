// Plays the user in front of the modal boxes the window opens. A box opened
// with exec() blocks the action that opened it, so it is answered from
// inside its own event loop: every modal dialog that shows is handed to the
// watcher's callback, which must close it.
#pragma once

#include <QObject>
#include <functional>
#include <string>

#include "ui/dialog_controls.h"

class QDialog;
class QMessageBox;

namespace kp {

class ModalBoxWatcher final : public QObject {
  public:
    using OnBox = std::function<void(QDialog&)>;

    explicit ModalBoxWatcher(OnBox onBox);
    ~ModalBoxWatcher() override;
    ModalBoxWatcher(const ModalBoxWatcher&) = delete;
    ModalBoxWatcher& operator=(const ModalBoxWatcher&) = delete;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    OnBox onBox_;
};

// A message box as the scenario runner reports it.
std::string MessageText(const QMessageBox& box);
MessageButtons ButtonsOf(const QMessageBox& box);
// Clicks the button of the answer, as a user would.
void ClickAnswer(QMessageBox& box, MessageAnswer answer);

}  // namespace kp
