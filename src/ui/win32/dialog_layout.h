// A dialog of the layout (src/ui/window_layout.h) at a DPI: every control
// drawn in the dialog's font at that DPI, in the template's places made room
// for each text in that font (src/ui/grown_layout.h), and the dialog sized
// around them. The template's own font is kept where it has the size; a
// bitmap font that has not ("MS Sans Serif" stops at 20 pixels) gives way
// to the system's scalable dialog face.
#pragma once

#include <windows.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control_kind.h"
#include "ui/grown_layout.h"

namespace kp {

// A row of the layout: its kind and its place in dialog units.
struct LayoutRow {
    ControlKind kind;
    LayoutRect place;
};
#define KP_WIN32_LAYOUT_ROW(name, id, kind, caption, accessibleName, x, y, width, height, flags) \
    LayoutRow{ControlKind::kind, {x, y, width, height}},

// The dialog's size in dialog units and the point size of its font.
struct LayoutFrame {
    LayoutSize size;
    int pointSize;
};

class DialogLayout {
  public:
    // `rows` in creation order, the order the dialog holds its controls in.
    DialogLayout(HWND dialog, std::span<const LayoutRow> rows, LayoutFrame frame);
    ~DialogLayout();
    DialogLayout(const DialogLayout&) = delete;
    DialogLayout& operator=(const DialogLayout&) = delete;

    // The texts a field shows besides its own (the program's), room for the widest.
    void ShowsTexts(HWND control, std::vector<std::string> texts);
    // A label's text, UTF-8, broken into lines as wide as its place.
    void SetLabelText(HWND control, std::string text);

    // Lays the dialog out at `dpi`, its client area's centre where it was.
    void Apply(UINT dpi);
    // Lays it out again at a new DPI, its frame's top left at `suggested`'s.
    void ApplyDpiChange(UINT dpi, const RECT& suggested);

    UINT Dpi() const { return dpi_; }
    HWND Window(std::size_t row) const { return controls_[row].window; }

  private:
    struct Placed {
        HWND window;
        LayoutRow row;
        std::string label;  // a label's text before its breaks
        std::vector<std::string> shown;
    };

    Placed* Find(HWND control);
    void UseFont(UINT dpi);
    // The client area's size.
    SIZE PlaceControls();

    HWND dialog_;
    std::vector<Placed> controls_;
    LayoutFrame frame_;
    HFONT font_ = nullptr;
    HICON icon_ = nullptr;  // an icon control's, at the DPI
    UINT dpi_ = 0;
};

}  // namespace kp
