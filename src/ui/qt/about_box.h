// The About box: the icon, the version line, the configuration folder in use
// and an OK button. It changes nothing; each opening builds a new one.
#pragma once

#include <QDialog>
#include <string_view>

namespace kp {

class AboutBox final : public QDialog {
  public:
    // `cfgPath`: the configuration folder, UTF-8.
    explicit AboutBox(std::string_view cfgPath, QWidget* parent = nullptr);
};

}  // namespace kp
