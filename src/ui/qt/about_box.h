// The About box: the icon, the version line and an OK button. It changes
// nothing; each opening builds a new one.
#pragma once

#include <QDialog>

namespace kp {

class AboutBox final : public QDialog {
  public:
    explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace kp
