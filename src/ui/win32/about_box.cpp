#include "ui/win32/about_box.h"

#include "ui/about_folder_line.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/wide_text.h"

namespace kp {
namespace {

// Where the folder line sits, in dialog units: under the version line, as
// wide as the box allows; a long path is shortened in its middle.
constexpr RECT kFolderLine{40, 26, 40 + 188, 26 + 8};

void AddFolderLine(HWND box, const std::wstring& line) {
    RECT area = kFolderLine;
    MapDialogRect(box, &area);
    HWND text = CreateWindowExW(0, L"Static", line.c_str(),
                                WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX | SS_PATHELLIPSIS,
                                area.left, area.top, area.right - area.left, area.bottom - area.top,
                                box, nullptr, nullptr, nullptr);
    SendMessageW(text, WM_SETFONT, SendMessageW(box, WM_GETFONT, 0, 0), FALSE);
}

INT_PTR CALLBACK AboutProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        AddFolderLine(box, *reinterpret_cast<const std::wstring*>(lParam));
        return TRUE;
    }
    // Esc and the close box arrive as IDCANCEL.
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(box, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

void ShowAboutBox(HWND owner, const std::string& cfgPath) {
    const std::wstring line = Wide(AboutFolderLine(cfgPath));
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ABOUTBOX), owner, AboutProc,
                    reinterpret_cast<LPARAM>(&line));
}

}  // namespace kp
