// The floor for start-up: a dialog with one button from a template, shown,
// painted, then quit.
#include <windows.h>

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
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), nullptr, DialogProc, 0);
    return 0;
}
