#include "ui/win32/about_box.h"

#include <algorithm>
#include <iterator>
#include <optional>

#include "ui/about_folder_line.h"
#include "ui/win32/dialog_layout.h"
#include "ui/win32/resource_ids.h"
#include "ui/window_layout.h"

namespace kp {
namespace {

constexpr LayoutRow kRows[] = {KP_ABOUT_BOX_CONTROLS(KP_WIN32_LAYOUT_ROW)};
constexpr LayoutFrame kFrame = {{KP_ABOUT_BOX_WIDTH, KP_ABOUT_BOX_HEIGHT}, KP_ABOUT_BOX_FONT_SIZE};
// The folder line's row, which the box fills when it opens.
constexpr auto kFolderRow = static_cast<std::size_t>(
    std::find_if(std::begin(kRows), std::end(kRows),
                 [](const LayoutRow& row) { return row.kind == ControlKind::PathLabel; }) -
    std::begin(kRows));
static_assert(kFolderRow < std::size(kRows));

struct AboutState {
    std::string line;
    UINT dpi;
    std::optional<DialogLayout> layout;
};

INT_PTR CALLBACK AboutProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(box, DWLP_USER, lParam);
        auto& state = *reinterpret_cast<AboutState*>(lParam);
        state.layout.emplace(box, kRows, kFrame);
        // The folder whole, however long, on as many lines as it takes.
        state.layout->SetLabelText(state.layout->Window(kFolderRow), state.line);
        state.layout->Apply(state.dpi);
        return TRUE;
    }
    auto* state = reinterpret_cast<AboutState*>(GetWindowLongPtrW(box, DWLP_USER));
    if (message == WM_DPICHANGED && state != nullptr) {
        state->layout->ApplyDpiChange(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
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

void ShowAboutBox(HWND owner, const std::string& cfgPath, UINT dpi) {
    AboutState state{AboutFolderLine(cfgPath), dpi, std::nullopt};
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ABOUTBOX), owner, AboutProc,
                    reinterpret_cast<LPARAM>(&state));
}

}  // namespace kp
