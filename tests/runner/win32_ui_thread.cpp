#include "win32_ui_thread.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "ui/win32/wide_text.h"
#include "ui/window_texts.h"

namespace kp {
namespace {

constexpr UINT kRunMessage = WM_APP + 1;
constexpr UINT kSettleMessage = WM_APP + 2;
constexpr wchar_t kProbeClass[] = L"KelmarPatrolTestProbe";
// A window that answers nothing for this long has hung.
constexpr DWORD kAnswerTimeoutMs = 30000;

bool IsDialogClass(HWND window) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return std::wstring_view(name) == L"#32770";
}

struct WindowSearch {
    bool wantMain;
    HWND found = nullptr;
};

// The main window by its caption; a box is any other dialog that takes input.
BOOL CALLBACK FindDialog(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<WindowSearch*>(param);
    if (!IsDialogClass(window)) {
        return TRUE;
    }
    const bool isMain = TextOf(window) == Wide(kWindowCaption);
    if (isMain == search.wantMain && (search.wantMain || IsWindowEnabled(window))) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindOnThread(DWORD threadId, bool wantMain) {
    WindowSearch search{wantMain};
    EnumThreadWindows(threadId, FindDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK FindTextLabel(HWND control, LPARAM param) {
    wchar_t name[16] = {};
    GetClassNameW(control, name, 16);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
    if (std::wstring_view(name) == L"Static" && (style & SS_TYPEMASK) != SS_ICON &&
        !TextOf(control).empty()) {
        *reinterpret_cast<HWND*>(param) = control;
        return FALSE;
    }
    return TRUE;
}

void Wait(HANDLE event, const char* what) {
    if (WaitForSingleObject(event, kAnswerTimeoutMs) != WAIT_OBJECT_0) {
        std::fprintf(stderr, "patrol-scenario: the window's thread did not %s within %lu ms\n",
                     what, kAnswerTimeoutMs);
        std::fflush(stderr);
        std::_Exit(3);
    }
}

}  // namespace

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

HWND TextLabelOf(HWND box) {
    HWND label = nullptr;
    EnumChildWindows(box, FindTextLabel, reinterpret_cast<LPARAM>(&label));
    return label;
}

Win32UiThread::Win32UiThread(std::function<void()> program)
    : ready_(CreateEventW(nullptr, FALSE, FALSE, nullptr)),
      settled_(CreateEventW(nullptr, FALSE, FALSE, nullptr)),
      thread_([this, program = std::move(program)] { Loop(program); }) {
    Wait(ready_, "start");
}

Win32UiThread::~Win32UiThread() {
    // WM_QUIT ends a modal loop still running, then the thread's own.
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    thread_.join();
    CloseHandle(settled_);
    CloseHandle(ready_);
}

void Win32UiThread::Loop(const std::function<void()>& program) {
    threadId_ = GetCurrentThreadId();
    WNDCLASSW probeClass = {};
    probeClass.lpfnWndProc = ProbeProc;
    probeClass.hInstance = GetModuleHandleW(nullptr);
    probeClass.lpszClassName = kProbeClass;
    RegisterClassW(&probeClass);
    probe_ = CreateWindowExW(0, kProbeClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                             probeClass.hInstance, nullptr);
    SetWindowLongPtrW(probe_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetEvent(ready_);

    program();
    ended_.store(true);

    // Settle and Run keep working after the program has ended.
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    DestroyWindow(probe_);
}

LRESULT CALLBACK Win32UiThread::ProbeProc(HWND probe, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Win32UiThread*>(GetWindowLongPtrW(probe, GWLP_USERDATA));
    if (message == kRunMessage) {
        (*reinterpret_cast<const std::function<void()>*>(lParam))();
        return 0;
    }
    if (message == kSettleMessage) {
        // Posted messages come in order: everything posted before this one
        // has been handled, or is waiting behind a modal box's own loop.
        self->box_ = FindOnThread(GetCurrentThreadId(), false);
        SetEvent(self->settled_);
        return 0;
    }
    return DefWindowProcW(probe, message, wParam, lParam);
}

void Win32UiThread::Run(const std::function<void()>& work) const {
    SendMessageW(probe_, kRunMessage, 0, reinterpret_cast<LPARAM>(&work));
}

HWND Win32UiThread::Settle() {
    PostMessageW(probe_, kSettleMessage, 0, 0);
    Wait(settled_, "settle");
    return box_;
}

HWND Win32UiThread::Window() const {
    return FindOnThread(threadId_, true);
}

HWND Win32UiThread::Focus() const {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(threadId_, &info) ? info.hwndFocus : nullptr;
}

}  // namespace kp
