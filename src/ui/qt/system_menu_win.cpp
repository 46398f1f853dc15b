// Windows: the About item at the end of the window's system menu, chosen
// through WM_SYSCOMMAND like the menu's own items.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <QAbstractNativeEventFilter>
#include <QAction>
#include <QByteArray>
#include <QCoreApplication>
#include <QWidget>
#include <string>

#include "ui/patrol_dialog.h"
#include "ui/qt/system_menu.h"
#include "ui/qt/utf8_text.h"
#include "ui/window_texts.h"

namespace kp {
namespace {

// The low four bits of a system command are the system's own.
constexpr WPARAM kCommandMask = 0xFFF0;

// Lives as long as the action it triggers.
class AboutItemFilter final : public QObject, public QAbstractNativeEventFilter {
  public:
    AboutItemFilter(HWND window, QAction& about) : QObject(&about), window_(window), about_(about) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType != "windows_generic_MSG") {
            return false;
        }
        const MSG& msg = *static_cast<const MSG*>(message);
        if (msg.hwnd != window_ || msg.message != WM_SYSCOMMAND ||
            (msg.wParam & kCommandMask) != static_cast<WPARAM>(kAboutCommand)) {
            return false;
        }
        about_.trigger();
        return true;
    }

  private:
    HWND window_;
    QAction& about_;
};

}  // namespace

void OfferAboutCommand(QWidget& window, QAction& about) {
    const HWND handle = reinterpret_cast<HWND>(window.winId());
    const HMENU menu = GetSystemMenu(handle, FALSE);
    if (menu == nullptr) {
        return;
    }
    const std::wstring item = ToQString(kAboutMenuItem).toStdWString();
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(kAboutCommand), item.c_str());
    new AboutItemFilter(handle, about);
}

}  // namespace kp
