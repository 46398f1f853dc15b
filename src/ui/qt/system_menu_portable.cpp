// Platforms without a system menu: the window's own context menu and F1.
#include <QAction>
#include <QKeySequence>
#include <QWidget>

#include "ui/qt/system_menu.h"

namespace kp {

void OfferAboutCommand(QWidget& window, QAction& about) {
    about.setShortcut(QKeySequence(Qt::Key_F1));
    window.addAction(&about);
    window.setContextMenuPolicy(Qt::ActionsContextMenu);
}

}  // namespace kp
