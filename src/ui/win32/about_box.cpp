#include "ui/win32/about_box.h"

#include "ui/about_folder_line.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/wide_text.h"
#include "ui/window_layout.h"

namespace kp {
namespace {

// The folder line's row of the layout, which the resource script leaves out:
// its place in dialog units, under the version line and as wide as the box
// allows, and its flags.
struct FolderLineRow {
    RECT place;
    int flags;
};
#define KP_FOLDER_LINE_ROW(name, id, kind, caption, accessibleName, x, y, width, height, flags) \
    { {x, y, x + width, y + height}, flags }
constexpr FolderLineRow kFolderLine = KP_ABOUT_FOLDER_LINE(KP_FOLDER_LINE_ROW);
#undef KP_FOLDER_LINE_ROW

// A path label: one line, a long path shortened in its middle; no control id
// (IDC_STATIC in the row), as nothing asks for it.
void AddFolderLine(HWND box, const std::wstring& line) {
    RECT area = kFolderLine.place;
    MapDialogRect(box, &area);
    const DWORD style = WS_CHILD | WS_VISIBLE | SS_LEFT | SS_PATHELLIPSIS |
                        ((kFolderLine.flags & KP_NO_PREFIX) != 0 ? SS_NOPREFIX : 0);
    HWND text = CreateWindowExW(0, L"Static", line.c_str(), style, area.left, area.top,
                                area.right - area.left, area.bottom - area.top, box, nullptr,
                                nullptr, nullptr);
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
