// Where the About command is offered. On a platform with a system menu it is
// an item below a separator at the menu's end; elsewhere the window offers it
// in its context menu and on F1. Only the unit built for the platform knows
// which: system_menu_win.cpp or system_menu_portable.cpp.
#pragma once

class QAction;
class QWidget;

namespace kp {

// Call once the window's frame is final; `about` then triggers on the command.
void OfferAboutCommand(QWidget& window, QAction& about);

}  // namespace kp
