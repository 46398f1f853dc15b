// The floor for start-up: a dialog from a template, shown, painted, then
// quit, with no program behind it. Built twice: with a one-button template,
// and with the window's own resources (KP_BENCH_DIALOG), which shows what the
// window's template costs by itself.
#include <windows.h>

#include "ui/win32/resource_ids.h"

namespace {

void CALLBACK Quit(HWND, UINT, UINT_PTR, DWORD) {
    PostQuitMessage(0);
}

INT_PTR CALLBACK DialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

}  // namespace

int main() {
    SetTimer(nullptr, 0, 0, Quit);
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(KP_BENCH_DIALOG), nullptr,
                    DialogProc, 0);
    return 0;
}
