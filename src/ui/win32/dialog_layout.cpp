#include "ui/win32/dialog_layout.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "ui/text_lines.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/wide_text.h"
#include "ui/window_layout.h"

namespace kp {
namespace {

constexpr int kPointsPerInch = 72;
constexpr int kUnitsPerBaseX = 4;
constexpr int kUnitsPerBaseY = 8;
// Windows averages the letters of both cases for a dialog's base width.
constexpr std::wstring_view kAlphabet = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr int kLettersPerCase = 26;
// An edit control draws its caret a pixel past the text's end: a text that
// fills the field to its last pixel scrolls.
constexpr int kCaretWidth = 1;

HFONT CreateDialogFont(const std::wstring& face, int pointSize, UINT dpi) {
    LOGFONTW font = {};
    font.lfHeight = -MulDiv(pointSize, static_cast<int>(dpi), kPointsPerInch);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    face.copy(font.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
}

// A device context of the screen with a font selected, let go when it ends.
class FontDc {
  public:
    explicit FontDc(HFONT font) : dc_(GetDC(nullptr)), old_(SelectObject(dc_, font)) {}
    ~FontDc() {
        SelectObject(dc_, old_);
        ReleaseDC(nullptr, dc_);
    }
    FontDc(const FontDc&) = delete;
    FontDc& operator=(const FontDc&) = delete;

    HDC Get() const { return dc_; }
    TEXTMETRICW Metrics() const {
        TEXTMETRICW metrics = {};
        GetTextMetricsW(dc_, &metrics);
        return metrics;
    }
    int Width(std::wstring_view text) const {
        SIZE size = {};
        GetTextExtentPoint32W(dc_, text.data(), static_cast<int>(text.size()), &size);
        return size.cx;
    }

  private:
    HDC dc_;
    HGDIOBJ old_;
};

// The template's face at its size, or, where that face is a bitmap font
// without the size, the scalable face.
HFONT CreateFontFor(int pointSize, UINT dpi) {
    const int wanted = MulDiv(pointSize, static_cast<int>(dpi), kPointsPerInch);
    HFONT font = CreateDialogFont(Wide(KP_DIALOG_FONT), pointSize, dpi);
    {
        const FontDc dc(font);
        const TEXTMETRICW metrics = dc.Metrics();
        if (metrics.tmHeight - metrics.tmInternalLeading == wanted) {
            return font;
        }
    }
    DeleteObject(font);
    return CreateDialogFont(Wide(KP_DIALOG_SCALABLE_FONT), pointSize, dpi);
}

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool IsButton(ControlKind kind) {
    return kind == ControlKind::DefaultButton || kind == ControlKind::PushButton ||
           kind == ControlKind::RadioButton || kind == ControlKind::CheckBox;
}

bool IsEdit(ControlKind kind) {
    return kind == ControlKind::Edit || kind == ControlKind::ReadOnlyEdit;
}

bool IsLabel(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::PathLabel;
}

UINT LabelFormat(HWND label, bool wraps) {
    const auto style = static_cast<DWORD>(GetWindowLongW(label, GWL_STYLE));
    return DT_CALCRECT | DT_EXPANDTABS | (wraps ? DT_WORDBREAK : DT_SINGLELINE) |
           ((style & SS_NOPREFIX) != 0 ? DT_NOPREFIX : 0);
}

// Whether a label's place holds two lines: then its text wraps within its
// width, as the template drew it; otherwise it keeps to one line and widens.
bool Wraps(const LayoutRow& row, const LayoutRect& place, const TEXTMETRICW& metrics) {
    return row.kind == ControlKind::PathLabel || place.height >= 2 * metrics.tmHeight;
}

}  // namespace

DialogLayout::DialogLayout(HWND dialog, std::span<const LayoutRow> rows, LayoutFrame frame)
    : dialog_(dialog), frame_(frame) {
    std::size_t row = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr && row < rows.size();
         child = GetWindow(child, GW_HWNDNEXT), ++row) {
        Placed placed{child, rows[row], {}, {}};
        if (IsLabel(placed.row.kind)) {
            placed.label = Utf8(TextOf(child));
        }
        controls_.push_back(std::move(placed));
    }
}

DialogLayout::~DialogLayout() {
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
    if (icon_ != nullptr) {
        DestroyIcon(icon_);
    }
}

DialogLayout::Placed* DialogLayout::Find(HWND control) {
    const auto found = std::ranges::find(controls_, control, &Placed::window);
    return found == controls_.end() ? nullptr : &*found;
}

void DialogLayout::ShowsTexts(HWND control, std::vector<std::string> texts) {
    if (Placed* placed = Find(control)) {
        placed->shown = std::move(texts);
    }
}

void DialogLayout::SetLabelText(HWND control, std::string text) {
    if (Placed* placed = Find(control)) {
        placed->label = std::move(text);
    }
}

void DialogLayout::UseFont(UINT dpi) {
    HFONT font = CreateFontFor(frame_.pointSize, dpi);
    for (const Placed& placed : controls_) {
        SendMessageW(placed.window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
    font_ = font;
    dpi_ = dpi;
}

SIZE DialogLayout::PlaceControls() {
    const FontDc dc(font_);
    const TEXTMETRICW metrics = dc.Metrics();
    // Dialog units as Windows measures them for a dialog in this font.
    const int baseX = (dc.Width(kAlphabet) / kLettersPerCase + 1) / 2;
    const int baseY = metrics.tmHeight;
    // Edges, not lengths, are mapped, as MapDialogRect maps them: two
    // controls that meet in the template still meet.
    const auto toPixels = [&](const LayoutRect& units) {
        const int left = MulDiv(units.x, baseX, kUnitsPerBaseX);
        const int top = MulDiv(units.y, baseY, kUnitsPerBaseY);
        return LayoutRect{left, top, MulDiv(units.x + units.width, baseX, kUnitsPerBaseX) - left,
                          MulDiv(units.y + units.height, baseY, kUnitsPerBaseY) - top};
    };

    std::vector<LayoutRect> places;
    std::vector<LayoutSize> needs;
    for (Placed& placed : controls_) {
        LayoutRect place = toPixels(placed.row.place);
        LayoutSize need;
        const ControlKind kind = placed.row.kind;
        if (kind == ControlKind::Icon) {
            // The program's icon as large as the system's icons at this DPI;
            // the control takes the icon's size where the template puts it.
            const int size = GetSystemMetricsForDpi(SM_CXICON, dpi_);
            place.width = size;
            place.height = size;
            const auto icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                                            MAKEINTRESOURCEW(IDR_MAINFRAME),
                                                            IMAGE_ICON, size, size, 0));
            SendMessageW(placed.window, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
            if (icon_ != nullptr) {
                DestroyIcon(icon_);
            }
            icon_ = icon;
        } else if (IsButton(kind)) {
            SIZE ideal = {};
            SendMessageW(placed.window, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal));
            need = {ideal.cx, ideal.cy};
        } else if (kind == ControlKind::GroupBox) {
            // The title stands half a line in from the frame's edge, and as
            // much room again after it.
            need = {dc.Width(TextOf(placed.window)) + metrics.tmHeight, 0};
        } else if (IsEdit(kind)) {
            // The text is drawn within the edit's formatting rectangle,
            // which its frame, its margins for the font and its own inset
            // keep from the edges.
            RECT frame = {};
            RECT text = {};
            GetWindowRect(placed.window, &frame);
            SendMessageW(placed.window, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
            int widest = dc.Width(TextOf(placed.window));
            for (const std::string& shown : placed.shown) {
                widest = std::max(widest, dc.Width(Wide(shown)));
            }
            RECT client = {};
            GetClientRect(placed.window, &client);
            need = {widest + (frame.right - frame.left) - (text.right - text.left) + kCaretWidth,
                    metrics.tmHeight + (frame.bottom - frame.top) - client.bottom};
        } else if (IsLabel(kind)) {
            std::wstring text = Wide(placed.label);
            const bool wraps = Wraps(placed.row, place, metrics);
            if (wraps) {
                // The lines are broken here, not by the control: it would
                // break within "Ctrl+Alt+Z." or cut a path's folder name.
                std::wstring lines;
                for (const std::string& line : BreakIntoLines(
                         placed.label, place.width,
                         [&dc](std::string_view piece) { return dc.Width(Wide(piece)); })) {
                    lines += (lines.empty() ? L"" : L"\n") + Wide(line);
                }
                text = std::move(lines);
            }
            SetWindowTextW(placed.window, text.c_str());
            RECT room = {0, 0, place.width, 0};
            DrawTextW(dc.Get(), text.c_str(), -1, &room, LabelFormat(placed.window, wraps));
            need = {room.right, room.bottom};
        }
        places.push_back(place);
        needs.push_back(need);
    }

    const GrownLayout grown = GrowToFit(places, needs,
                                        {MulDiv(frame_.size.width, baseX, kUnitsPerBaseX),
                                         MulDiv(frame_.size.height, baseY, kUnitsPerBaseY)});
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const LayoutRect& place = grown.places[i];
        SetWindowPos(controls_[i].window, nullptr, place.x, place.y, place.width, place.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return {grown.dialog.width, grown.dialog.height};
}

void DialogLayout::Apply(UINT dpi) {
    RECT was = {};
    GetWindowRect(dialog_, &was);
    UseFont(dpi);
    const SIZE client = PlaceControls();
    RECT frame = {0, 0, client.cx, client.cy};
    AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongW(dialog_, GWL_STYLE)), FALSE,
                             static_cast<DWORD>(GetWindowLongW(dialog_, GWL_EXSTYLE)), dpi);
    SIZE size = {frame.right - frame.left, frame.bottom - frame.top};
    const auto place = [&] {
        SetWindowPos(dialog_, nullptr, (was.left + was.right - size.cx) / 2,
                     (was.top + was.bottom - size.cy) / 2, size.cx, size.cy,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    };
    place();
    // A frame the system draws at another DPI than the one asked for (Wine
    // draws every frame at the system's) is as thick as it is: the client
    // area is made the size the controls need whatever the frame.
    RECT now = {};
    GetClientRect(dialog_, &now);
    if (now.right != client.cx || now.bottom != client.cy) {
        size.cx += client.cx - now.right;
        size.cy += client.cy - now.bottom;
        place();
    }
    InvalidateRect(dialog_, nullptr, TRUE);
}

void DialogLayout::ApplyDpiChange(UINT dpi, const RECT& suggested) {
    Apply(dpi);
    SetWindowPos(dialog_, nullptr, suggested.left, suggested.top, 0, 0,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
}

}  // namespace kp
