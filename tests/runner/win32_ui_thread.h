// The program's window on a thread of its own, driven from the calling thread
// as a user drives it: messages posted to the controls, then a wait until the
// window has taken them all in or a modal box stands open.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

namespace kp {

class Win32UiThread {
  public:
    // Runs `program` (start-up, then the window) on the new thread and
    // returns at once; Settle() then waits for its first box or its window.
    explicit Win32UiThread(std::function<void()> program);
    // Ends the thread's message loops and waits for it.
    ~Win32UiThread();
    Win32UiThread(const Win32UiThread&) = delete;
    Win32UiThread& operator=(const Win32UiThread&) = delete;

    // Runs `work` on the window's thread and waits for it; the thread takes
    // it from any message loop, also a modal box's.
    void Run(const std::function<void()>& work) const;
    // Waits until every message posted so far has been handled. Returns the
    // modal box (message box or About box) then open, or nullptr.
    HWND Settle();
    // `program` has returned.
    bool Ended() const { return ended_.load(); }
    // The main window, or nullptr while it is not open.
    HWND Window() const;
    // The window that has the keyboard focus on the window's thread.
    HWND Focus() const;

  private:
    static LRESULT CALLBACK ProbeProc(HWND probe, UINT message, WPARAM wParam, LPARAM lParam);
    void Loop(const std::function<void()>& program);

    HANDLE ready_;
    HANDLE settled_;
    HWND probe_ = nullptr;
    HWND box_ = nullptr;  // written on the window's thread before settled_ is set
    std::atomic<bool> ended_{false};
    DWORD threadId_ = 0;
    std::thread thread_;
};

// The text of a top-level window or a control.
std::wstring TextOf(HWND window);
// The first static control of `box` that shows text (not its icon).
HWND TextLabelOf(HWND box);

}  // namespace kp
