#include "ui/qt/about_box.h"

#include <QPushButton>

#include "ui/qt/dialog_builder.h"
#include "ui/qt/dialog_templates.h"
#include "ui/qt/program_icon.h"
#include "ui/qt/utf8_text.h"

namespace kp {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    BuildDialog(*this, kAboutBoxTemplate);
    setWindowIcon(ProgramIcon());
    auto* ok = findChild<QPushButton*>(ToQString(kAboutOkName));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    ok->setFocus();
}

}  // namespace kp
