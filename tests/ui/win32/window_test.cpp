// What only the real Windows controls show: the list box's notifications,
// the edit control's typing limit, the dialog manager's Enter and Tab, the
// system menu and the system's message boxes. Everything else the scenarios
// play through this window too.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <iterator>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/program_start.h"
#include "career_fixture.h"
#include "grid/random_source.h"
#include "platform/file_ops.h"
#include "ui/field_texts.h"
#include "ui/patrol_dialog.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/patrol_window.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/wide_text.h"
#include "ui/window_layout.h"
#include "win32_ui_thread.h"

namespace kp {
namespace {

namespace fs = std::filesystem;

// Careers of tests/scenarios/fixtures: "Home" at its home base with grid
// BF17, "Wolf" at sea with one save whose patrol area is valid.
class Win32WindowTest : public ::testing::Test {
  protected:
    void Open(const char* fixture) {
        fs::copy(fs::path(KP_FIXTURES) / fixture, folder_.Path() / "cfg",
                 fs::copy_options::recursive);
        ui_.emplace([this] {
            ASSERT_TRUE(
                StartInConfigFolder(dialog_, random_, 1, SystemFileOps(), folder_.Path() / "cfg"));
            PatrolWindow window(dialog_);
            window_ = &window;
            result_ = window.Run();
            window_ = nullptr;
        });
        ASSERT_EQ(ui_->Settle(), nullptr);
        handle_ = ui_->Window();
        ASSERT_NE(handle_, nullptr);
    }

    HWND Control(int id) const { return GetDlgItem(handle_, id); }
    int FocusId() const { return GetDlgCtrlID(ui_->Focus()); }
    std::string Text(int id) const { return Utf8(TextOf(Control(id))); }

    void ClickEntry(const wchar_t* name) {
        const auto index =
            static_cast<int>(SendMessageW(Control(IDC_CAREER_LIST), LB_FINDSTRINGEXACT,
                                          static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name)));
        ASSERT_GE(index, 0);
        RECT entry;
        SendMessageW(Control(IDC_CAREER_LIST), LB_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&entry));
        const LPARAM at =
            MAKELPARAM((entry.left + entry.right) / 2, (entry.top + entry.bottom) / 2);
        PostMessageW(Control(IDC_CAREER_LIST), WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageW(Control(IDC_CAREER_LIST), WM_LBUTTONUP, 0, at);
        ASSERT_EQ(ui_->Settle(), nullptr);
    }

    void Focus(int id) {
        SendMessageW(handle_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(id)), TRUE);
        ASSERT_EQ(FocusId(), id);
    }

    // The key goes to the control that has the focus, as a keyboard's does.
    HWND PressKey(WPARAM key) {
        const HWND focus = ui_->Focus();
        PostMessageW(focus, WM_KEYDOWN, key, 1);
        PostMessageW(focus, WM_KEYUP, key, 0xC0000001);
        return ui_->Settle();
    }

    void Type(const std::wstring& text) {
        Focus(IDC_GRID);
        for (const wchar_t c : text) {
            PostMessageW(Control(IDC_GRID), WM_CHAR, c, 1);
        }
        ASSERT_EQ(ui_->Settle(), nullptr);
    }

    ScratchFolder folder_;
    RandomSource random_;
    CKelmarPatrol2Dlg dialog_{SystemFileOps(), random_};
    PatrolWindow* window_ = nullptr;
    std::optional<DialogResult> result_;
    HWND handle_ = nullptr;
    std::optional<Win32UiThread> ui_;
};

TEST_F(Win32WindowTest, TheListReportsEveryClickAlsoOnTheSelectedEntry) {
    Open("unchanged");
    ClickEntry(L"Home");
    EXPECT_EQ(Text(IDC_GRID), "BF17");
    Type(L"XX");
    ClickEntry(L"Home");
    EXPECT_EQ(Text(IDC_GRID), "BF17");  // loaded again
}

TEST_F(Win32WindowTest, ASixthTypedCharacterIsRefusedButProgramTextShowsWhole) {
    Open("unchanged");
    Type(L"ABCDEF");
    EXPECT_EQ(Text(IDC_GRID), "ABCDE");
    ui_->Run([this] { window_->SetFieldText(Field::Grid, "ABCDEFG"); });
    EXPECT_EQ(Text(IDC_GRID), "ABCDEFG");
}

// A stray byte in a patrol area cannot be shown; an untouched field must
// still give it back, or "Make Changes" sees a grid the user never typed.
TEST_F(Win32WindowTest, TextThatIsNoUtf8ComesBackAsTheProgramGaveIt) {
    Open("unchanged");
    std::string back;
    ui_->Run([this, &back] {
        window_->SetFieldText(Field::Grid, "\xC9S32");
        back = window_->FieldText(Field::Grid);
    });
    EXPECT_EQ(back, "\xC9S32");
    Type(L"ES32");
    ui_->Run([this, &back] { back = window_->FieldText(Field::Grid); });
    EXPECT_EQ(back, "ES32");
}

// A row of the layout, src/ui/window_layout.h, as the resource script and the
// About box are to have made it.
struct TemplateRow {
    std::string_view name;
    std::string_view kind;
    int id;
    std::string_view caption;
    RECT place;  // in dialog units
    int flags;
};
#define KP_LAYOUT_ROW(name, id, kind, caption, accessibleName, x, y, width, height, flags) \
    {#name, #kind, id, caption, {x, y, x + width, y + height}, flags},
constexpr TemplateRow kPatrolWindowRows[] = {KP_PATROL_WINDOW_CONTROLS(KP_LAYOUT_ROW)};
constexpr TemplateRow kAboutBoxRows[] = {KP_ABOUT_BOX_CONTROLS(KP_LAYOUT_ROW)};
#undef KP_LAYOUT_ROW

// What each kind of row is to be made as: its window class and the styles
// under `mask` that tell it from the kinds beside it. (The dialog manager
// turns an edit's or a list's border into a sunken edge, so not the border.)
struct KindOfControl {
    std::string_view kind;
    std::wstring_view windowClass;
    DWORD style;
    DWORD mask;
};
constexpr DWORD kEditMask = ES_READONLY | ES_AUTOHSCROLL;
constexpr DWORD kListMask = LBS_SORT | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
constexpr KindOfControl kKinds[] = {
    {"DefaultButton", L"Button", BS_DEFPUSHBUTTON, BS_TYPEMASK},
    {"PushButton", L"Button", BS_PUSHBUTTON, BS_TYPEMASK},
    {"RadioButton", L"Button", BS_AUTORADIOBUTTON, BS_TYPEMASK},
    {"CheckBox", L"Button", BS_AUTOCHECKBOX, BS_TYPEMASK},
    {"GroupBox", L"Button", BS_GROUPBOX, BS_TYPEMASK},
    {"Edit", L"Edit", ES_AUTOHSCROLL, kEditMask},
    {"ReadOnlyEdit", L"Edit", ES_READONLY, kEditMask},
    {"ListBox", L"ListBox", kListMask, kListMask},
    {"Label", L"Static", SS_LEFT, SS_TYPEMASK},
    {"PathLabel", L"Static", SS_LEFT, SS_TYPEMASK},
    {"Icon", L"Static", SS_ICON, SS_TYPEMASK},
};

void ExpectKindOfRow(HWND control, const TemplateRow& row) {
    const auto* kind = std::find_if(std::begin(kKinds), std::end(kKinds),
                                    [&](const KindOfControl& k) { return k.kind == row.kind; });
    ASSERT_NE(kind, std::end(kKinds)) << row.name;
    wchar_t windowClass[32] = {};
    GetClassNameW(control, windowClass, 32);
    EXPECT_TRUE(kind->windowClass == std::wstring_view(windowClass)) << row.name;
    const auto style = static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE));
    EXPECT_EQ(style & kind->mask, kind->style) << row.name;
}

// A control's place in its dialog's client area.
RECT PlaceOf(HWND control) {
    RECT place;
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

// A label's text without the line breaks the window put in.
std::string Unbroken(std::string text) {
    std::erase(text, '\n');
    return text;
}

// The control `row` made: its class and kind's styles, its id, its caption (a control the program
// fills has none in its row), its place, or grown from there for its text
// (src/ui/grown_layout.h), and the styles of its flags. The system moves a radio
// button's tab stop to the checked one of its group.
void ExpectControlOfRow(HWND dialog, HWND control, const TemplateRow& row) {
    ASSERT_NE(control, nullptr) << row.name;
    RECT expected = row.place;
    MapDialogRect(dialog, &expected);
    const RECT actual = PlaceOf(control);
    EXPECT_GE(actual.left, expected.left) << row.name;
    EXPECT_GE(actual.top, expected.top) << row.name;
    // An icon control takes the icon's own size.
    if (row.kind != "Icon") {
        EXPECT_GE(actual.right - actual.left, expected.right - expected.left) << row.name;
        EXPECT_GE(actual.bottom - actual.top, expected.bottom - expected.top) << row.name;
    }
    EXPECT_EQ(GetDlgCtrlID(control), row.id) << row.name;
    if (!row.caption.empty()) {
        EXPECT_EQ(Unbroken(Utf8(TextOf(control))), row.caption) << row.name;
    }
    ExpectKindOfRow(control, row);
    const auto style = static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE));
    EXPECT_EQ((style & WS_GROUP) != 0, (row.flags & KP_GROUP) != 0) << row.name;
    if (row.kind != "RadioButton") {
        EXPECT_EQ((style & WS_TABSTOP) != 0, (row.flags & KP_TAB_STOP) != 0) << row.name;
    }
    if (row.kind == "Label" || row.kind == "PathLabel") {
        EXPECT_EQ((style & SS_NOPREFIX) != 0, (row.flags & KP_NO_PREFIX) != 0) << row.name;
    }
}

// The dialog's controls in creation order, the order the system keeps them in.
std::vector<HWND> ChildrenOf(HWND dialog) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

TEST_F(Win32WindowTest, TheWindowHasTheLayoutsControlsInItsOrder) {
    Open("unchanged");
    ui_->Run([this] {
        const std::vector<HWND> children = ChildrenOf(handle_);
        ASSERT_EQ(children.size(), std::size(kPatrolWindowRows));
        for (std::size_t i = 0; i < children.size(); ++i) {
            ExpectControlOfRow(handle_, children[i], kPatrolWindowRows[i]);
        }
    });
}

TEST_F(Win32WindowTest, TheAboutBoxHasTheLayoutsControlsInItsOrder) {
    Open("unchanged");
    PostMessageW(handle_, WM_SYSCOMMAND, static_cast<WPARAM>(kAboutCommand), 0);
    const HWND box = ui_->Settle();
    ASSERT_NE(box, nullptr);
    ui_->Run([box] {
        const std::vector<HWND> children = ChildrenOf(box);
        ASSERT_EQ(children.size(), std::size(kAboutBoxRows));
        for (std::size_t i = 0; i < children.size(); ++i) {
            ExpectControlOfRow(box, children[i], kAboutBoxRows[i]);
        }
    });
    PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    EXPECT_EQ(ui_->Settle(), nullptr);
}

// A control's own font selected into a device context of it.
class OwnFont {
  public:
    explicit OwnFont(HWND control)
        : control_(control),
          dc_(GetDC(control)),
          old_(SelectObject(dc_,
                            reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)))) {}
    ~OwnFont() {
        SelectObject(dc_, old_);
        ReleaseDC(control_, dc_);
    }
    OwnFont(const OwnFont&) = delete;
    OwnFont& operator=(const OwnFont&) = delete;

    // The room `text` is drawn in, lines broken within `width` where `format` says so.
    RECT Draw(const std::wstring& text, UINT format, int width = 0) const {
        RECT room = {0, 0, width, 0};
        DrawTextW(dc_, text.c_str(), -1, &room, format | DT_CALCRECT | DT_EXPANDTABS);
        return room;
    }
    int Width(std::wstring_view text) const {
        SIZE size = {};
        GetTextExtentPoint32W(dc_, text.data(), static_cast<int>(text.size()), &size);
        return size.cx;
    }
    TEXTMETRICW Metrics() const {
        TEXTMETRICW metrics = {};
        GetTextMetricsW(dc_, &metrics);
        return metrics;
    }

  private:
    HWND control_;
    HDC dc_;
    HGDIOBJ old_;
};

// The control's caption whole in its own font: a button's within the size
// it asks for and the control at least that size, a frame's title within
// the frame, a label's lines as the window broke them, none broken again.
void ExpectCaptionWhole(HWND control, const TemplateRow& row, const std::string& where) {
    const std::wstring text = TextOf(control);
    const RECT place = PlaceOf(control);
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    const OwnFont font(control);
    const TEXTMETRICW metrics = font.Metrics();
    const auto style = static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE));
    const UINT prefix =
        (style & SS_NOPREFIX) != 0 && row.kind.find("Label") != std::string_view::npos ? DT_NOPREFIX
                                                                                       : 0;
    if (row.kind == "DefaultButton" || row.kind == "PushButton" || row.kind == "CheckBox" ||
        row.kind == "RadioButton") {
        SIZE ideal = {};
        ASSERT_TRUE(SendMessageW(control, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)));
        EXPECT_LE(ideal.cx, width) << where;
        EXPECT_LE(ideal.cy, height) << where;
        const RECT line = font.Draw(text, DT_SINGLELINE);
        EXPECT_LT(line.right, width) << where;
        EXPECT_LE(line.bottom, height) << where;
    } else if (row.kind == "GroupBox") {
        EXPECT_LE(font.Draw(text, DT_SINGLELINE).right + 2 * metrics.tmAveCharWidth, width)
            << where;
    } else if ((row.kind == "Label" || row.kind == "PathLabel") && !text.empty()) {
        const RECT lines = font.Draw(text, DT_WORDBREAK | prefix, width);
        const auto count = 1 + std::count(text.begin(), text.end(), L'\n');
        EXPECT_EQ(lines.bottom, count * metrics.tmHeight) << where;
        EXPECT_LE(lines.bottom, height) << where;
        EXPECT_LE(lines.right, width) << where;
    }
}

bool Intersect(const RECT& a, const RECT& b) {
    RECT both;
    return IntersectRect(&both, &a, &b) != 0;
}

// Inside the client area, and over no other control unless the template
// has them overlap, or the frame holds it.
void ExpectNoControlOver(HWND dialog, std::span<const TemplateRow> rows, const std::string& where) {
    const std::vector<HWND> children = ChildrenOf(dialog);
    RECT client;
    GetClientRect(dialog, &client);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const RECT one = PlaceOf(children[i]);
        RECT inside;
        UnionRect(&inside, &client, &one);
        EXPECT_TRUE(EqualRect(&inside, &client)) << rows[i].name << where;
        for (std::size_t j = 0; j < rows.size(); ++j) {
            const RECT other = PlaceOf(children[j]);
            RECT held;
            UnionRect(&held, &one, &other);
            const bool framed = rows[i].kind == "GroupBox" && EqualRect(&held, &one);
            EXPECT_TRUE(i == j || framed || Intersect(rows[i].place, rows[j].place) ||
                        !Intersect(one, other))
                << rows[i].name << " over " << rows[j].name << where;
        }
    }
}

// Shown with the caret at its end, as Tab leaves it, the text has not
// scrolled: its first character is the first shown and its last ends
// within the field.
void ExpectFieldShowsWhole(HWND dialog, HWND edit, const std::string& text,
                           const std::string& where) {
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(edit), TRUE);
    EXPECT_EQ(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 0) << text << where;
    const std::wstring shown = TextOf(edit);
    const LRESULT last =
        SendMessageW(edit, EM_POSFROMCHAR, static_cast<WPARAM>(shown.size() - 1), 0);
    const OwnFont font(edit);
    RECT client;
    GetClientRect(edit, &client);
    const auto margins = static_cast<DWORD>(SendMessageW(edit, EM_GETMARGINS, 0, 0));
    EXPECT_LE(static_cast<short>(LOWORD(last)) +
                  font.Width(std::wstring_view(shown).substr(shown.size() - 1)),
              client.right - HIWORD(margins))
        << text << where;
}

SIZE ClientSize(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

// Every text of the window and the About box whole at each DPI, measured in
// the font each control draws with: laid out at the DPI the window started
// at, and again each time the DPI changes while it is open. At twice the DPI
// the window is about twice as large.
TEST_F(Win32WindowTest, EveryTextIsWholeInItsControlsOwnFontAt96144And192Dpi) {
    Open("unchanged");
    const UINT start = GetDpiForWindow(handle_);
    UINT current = start;
    std::map<UINT, SIZE> sizes;
    for (const UINT dpi : {start, 96u, 144u, 192u, start}) {
        const std::string where = " at " + std::to_string(dpi) + " DPI";
        ui_->Run([&] {
            if (dpi != std::exchange(current, dpi)) {
                RECT suggested;
                GetWindowRect(handle_, &suggested);
                SendMessageW(handle_, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                             reinterpret_cast<LPARAM>(&suggested));
            }
            const std::vector<HWND> children = ChildrenOf(handle_);
            ASSERT_EQ(children.size(), std::size(kPatrolWindowRows));
            for (std::size_t i = 0; i < children.size(); ++i) {
                ExpectCaptionWhole(children[i], kPatrolWindowRows[i],
                                   std::string(kPatrolWindowRows[i].name) + where);
            }
            for (std::size_t field = 0; field < kFieldIds.size(); ++field) {
                for (const std::string& text : TextsShownIn(static_cast<Field>(field))) {
                    window_->SetFieldText(static_cast<Field>(field), text);
                    ExpectFieldShowsWhole(handle_, Control(kFieldIds[field]), text, where);
                }
            }
            ExpectNoControlOver(handle_, kPatrolWindowRows, where);
        });
        const SIZE size = ClientSize(handle_);
        if (const auto before = sizes.find(dpi); before != sizes.end()) {
            EXPECT_EQ(size.cx, before->second.cx) << where;
            EXPECT_EQ(size.cy, before->second.cy) << where;
        }
        sizes[dpi] = size;

        PostMessageW(handle_, WM_SYSCOMMAND, static_cast<WPARAM>(kAboutCommand), 0);
        const HWND box = ui_->Settle();
        ASSERT_NE(box, nullptr);
        ui_->Run([&] {
            const std::vector<HWND> children = ChildrenOf(box);
            ASSERT_EQ(children.size(), std::size(kAboutBoxRows));
            for (std::size_t i = 0; i < children.size(); ++i) {
                ExpectCaptionWhole(children[i], kAboutBoxRows[i],
                                   std::string(kAboutBoxRows[i].name) + where);
                if (kAboutBoxRows[i].kind == "PathLabel") {
                    EXPECT_EQ(Unbroken(Utf8(TextOf(children[i]))),
                              "Configuration folder: " + dialog_.m_szCfgPath);
                }
            }
            ExpectNoControlOver(box, kAboutBoxRows, where);
        });
        PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        EXPECT_EQ(ui_->Settle(), nullptr);
    }
    for (const auto& [dpi, size] : sizes) {
        std::printf("client area at %u DPI: %ld x %ld\n", dpi, size.cx, size.cy);
    }
    // Wine draws the check boxes' marks at the DPI the program started at:
    // the proportion is that of a window that starts at each DPI where it
    // started at 96.
    if (start == 96) {
        const double across =
            static_cast<double>(sizes[192].cx) / static_cast<double>(sizes[96].cx);
        const double down = static_cast<double>(sizes[192].cy) / static_cast<double>(sizes[96].cy);
        EXPECT_TRUE(across > 1.8 && across < 2.2) << across;
        EXPECT_TRUE(down > 1.8 && down < 2.2) << down;
    }
}

// Nothing is selected at the start: the first key chooses from the list's
// ends, and loads the career as a click does.
TEST_F(Win32WindowTest, WithNothingSelectedDownUpAndHomeChooseTheFirstCareerAndEndTheLast) {
    Open("unchanged");
    const std::pair<WPARAM, int> cases[] = {{VK_DOWN, 0}, {VK_UP, 0}, {VK_HOME, 0}, {VK_END, 1}};
    for (const auto& [key, row] : cases) {
        ui_->Run([this] {
            window_->SetListSelection(-1);
            window_->SetFieldText(Field::Grid, "");
        });
        Focus(IDC_CAREER_LIST);
        EXPECT_EQ(PressKey(key), nullptr);
        int selected = -1;
        ui_->Run([this, &selected] { selected = window_->ListSelection(); });
        EXPECT_EQ(selected, row) << key;
        EXPECT_EQ(Text(IDC_GRID), row == 0 ? "----" : "BF17") << key;
    }
}

// The radio buttons carry no tab stop of their own; the system gives the
// checked one of the group its tab stop, so that a keyboard reaches the group
// once (the arrow keys then move within it), and the others are never
// visited. The list, where a player starts, has the focus.
TEST_F(Win32WindowTest, FocusStartsOnTheListAndTabVisitsOnlyTheCheckedRadioButton) {
    Open("unchanged");
    EXPECT_EQ(FocusId(), IDC_CAREER_LIST);
    const std::vector<int> expected = {
        IDC_ENTERED_MED,  IDOK,           IDCANCEL,         IDC_GRID,
        IDC_DAYS_IN_PORT, IDC_SEA_STATUS, IDC_LAND_BASE,    IDC_AUTO_RADAR,
        IDC_END_DATE,     IDC_BOAT_TYPE,  IDC_END_LOCATION, IDC_CAREER_LIST};
    std::vector<int> visited;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(PressKey(VK_TAB), nullptr);
        visited.push_back(FocusId());
    }
    EXPECT_EQ(visited, expected);
}

// The window's commands without the system menu, which a window manager may
// keep to itself: the menu a right click or the keyboard asks for anywhere
// but in an edit field, F1 and Ctrl+Alt+Z.
class Win32KeysTest : public Win32WindowTest {
  protected:
    // Holds the keys down on the window's thread, as the keyboard would.
    void Hold(std::initializer_list<int> keys, bool down) {
        ui_->Run([&] {
            BYTE state[256] = {};
            GetKeyboardState(state);
            for (const int key : keys) {
                state[key] = down ? 0x80 : 0;
            }
            SetKeyboardState(state);
        });
    }

    // The items of the popup menu open on the window's thread; then the item
    // of access key `choose` is chosen, as typed, or without one the menu is
    // closed. Returns the box the choice opened, if any.
    std::vector<std::string> OpenMenu(wchar_t choose = 0, HWND* box = nullptr) {
        std::vector<std::string> items;
        ui_->Run([&] {
            HWND popup = nullptr;
            EnumThreadWindows(
                GetCurrentThreadId(),
                [](HWND window, LPARAM found) {
                    wchar_t name[16] = {};
                    GetClassNameW(window, name, 16);
                    if (std::wstring_view(name) == L"#32768" && IsWindowVisible(window)) {
                        *reinterpret_cast<HWND*>(found) = window;
                        return FALSE;
                    }
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&popup));
            if (popup == nullptr) {
                return;
            }
            const auto menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
            for (int i = 0; i < GetMenuItemCount(menu); ++i) {
                wchar_t item[64] = {};
                GetMenuStringW(menu, static_cast<UINT>(i), item, 64, MF_BYPOSITION);
                items.push_back(Utf8(item));
            }
            if (choose != 0) {
                PostMessageW(popup, WM_CHAR, choose, 1);
            } else {
                EndMenu();
            }
        });
        const HWND opened = ui_->Settle();
        if (box != nullptr) {
            *box = opened;
        } else {
            EXPECT_EQ(opened, nullptr);
        }
        return items;
    }
};

TEST_F(Win32KeysTest, TheMenuOpensOnARightClickOrShiftF10AndTheCommandsOnTheirKeys) {
    Open("unchanged");
    const std::vector<std::string> ours = {"&About KelmarPatrol...", "&Undo Last Changes..."};
    // A right click on a control or a label: the control, or the dialog under
    // a label, passes the request up.
    for (const int id : {IDC_CAREER_LIST, IDOK, IDC_LAND_BASE, IDC_AUTO_RADAR}) {
        PostMessageW(Control(id), WM_RBUTTONUP, 0, MAKELPARAM(2, 2));
        EXPECT_EQ(ui_->Settle(), nullptr);
        EXPECT_EQ(OpenMenu(), ours) << id;
    }
    // Chosen from the menu: the About box, then Undo, which without a career
    // asks for one.
    PostMessageW(Control(IDC_CAREER_LIST), WM_RBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(ui_->Settle(), nullptr);
    HWND box = nullptr;
    EXPECT_EQ(OpenMenu(L'a', &box), ours);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(Utf8(TextOf(box)), "About KelmarPatrol");
    PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    EXPECT_EQ(ui_->Settle(), nullptr);

    Focus(IDC_CAREER_LIST);
    Hold({VK_SHIFT}, true);
    PostMessageW(Control(IDC_CAREER_LIST), WM_SYSKEYDOWN, VK_F10, 1);
    EXPECT_EQ(ui_->Settle(), nullptr);
    Hold({VK_SHIFT}, false);
    EXPECT_EQ(OpenMenu(L'u', &box), ours);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(Utf8(TextOf(TextLabelOf(box))), "Please choose a career.");
    PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    EXPECT_EQ(ui_->Settle(), nullptr);

    // F1: the About box.
    const HWND about = PressKey(VK_F1);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(Utf8(TextOf(about)), "About KelmarPatrol");
    PostMessageW(GetDlgItem(about, IDOK), BM_CLICK, 0, 0);
    EXPECT_EQ(ui_->Settle(), nullptr);

    // Ctrl+Alt+Z without a career: Undo asks for one.
    Hold({VK_CONTROL, VK_MENU}, true);
    PostMessageW(ui_->Focus(), WM_SYSKEYDOWN, 'Z', 1 | (1 << 29));
    const HWND message = ui_->Settle();
    Hold({VK_CONTROL, VK_MENU}, false);
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(Utf8(TextOf(TextLabelOf(message))), "Please choose a career.");
    PostMessageW(GetDlgItem(message, IDOK), BM_CLICK, 0, 0);
    EXPECT_EQ(ui_->Settle(), nullptr);
}

// With the career loaded and its grid unchanged, "Make Changes" closes with
// OK and writes nothing: Enter does that from every field the program fills.
class EnterKeyTest : public Win32WindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(EnterKeyTest, EnterRunsMakeChanges) {
    Open("unchanged");
    ClickEntry(L"Home");
    Focus(GetParam());
    EXPECT_EQ(PressKey(VK_RETURN), nullptr);
    EXPECT_EQ(result_, DialogResult::Ok);
}

INSTANTIATE_TEST_SUITE_P(ReadOnlyFieldsAndTheList, EnterKeyTest,
                         ::testing::Values(IDC_DAYS_IN_PORT, IDC_SEA_STATUS, IDC_END_DATE,
                                           IDC_BOAT_TYPE, IDC_END_LOCATION, IDC_CAREER_LIST));

TEST_F(Win32WindowTest, EnterOnCancelCancels) {
    Open("unchanged");
    ClickEntry(L"Home");
    Focus(IDCANCEL);
    EXPECT_EQ(PressKey(VK_RETURN), nullptr);
    EXPECT_EQ(result_, DialogResult::Cancel);
}

TEST_F(Win32WindowTest, EscapeCancelsFromTheGridField) {
    Open("unchanged");
    ClickEntry(L"Home");
    Type(L"ES32");
    EXPECT_EQ(PressKey(VK_ESCAPE), nullptr);
    EXPECT_EQ(result_, DialogResult::Cancel);
}

TEST_F(Win32WindowTest, AboutAndUndoSitBelowASeparatorAtTheEndOfTheSystemMenu) {
    Open("unchanged");
    const HMENU menu = GetSystemMenu(handle_, FALSE);
    const int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 3);
    EXPECT_EQ(GetMenuState(menu, static_cast<UINT>(count - 3), MF_BYPOSITION) & MF_SEPARATOR,
              static_cast<UINT>(MF_SEPARATOR));
    const std::pair<int, const char*> items[] = {{kAboutCommand, "&About KelmarPatrol..."},
                                                 {kUndoCommand, "&Undo Last Changes..."}};
    for (int i = 0; i < 2; ++i) {
        const int position = count - 2 + i;
        EXPECT_EQ(GetMenuItemID(menu, position), static_cast<UINT>(items[i].first));
        wchar_t item[64] = {};
        GetMenuStringW(menu, static_cast<UINT>(position), item, 64, MF_BYPOSITION);
        EXPECT_EQ(Utf8(item), items[i].second);
    }
}

// The box's caption, icon and buttons, then the answer pressed.
void ExpectProgramBox(HWND box, bool question) {
    ASSERT_NE(box, nullptr);
    // The name of the program file showing it, here the test's own.
    EXPECT_EQ(Utf8(TextOf(box)), "kp_win32_window_tests");
    const HWND ok = GetDlgItem(box, IDOK);
    const HWND cancel = GetDlgItem(box, IDCANCEL);
    EXPECT_TRUE(ok != nullptr && IsWindowVisible(ok));
    EXPECT_EQ(cancel != nullptr && IsWindowVisible(cancel), question);
    bool exclamation = false;
    const HICON expected = LoadIconW(nullptr, IDI_EXCLAMATION);
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        exclamation = exclamation ||
                      reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0)) == expected;
    }
    EXPECT_TRUE(exclamation);
    PostMessageW(ok, BM_CLICK, 0, 0);
}

TEST_F(Win32WindowTest, MessageBoxesCarryTheProgramsNameTheExclamationIconAndOkOrOkCancel) {
    Open("at-sea");
    PostMessageW(Control(IDOK), BM_CLICK, 0, 0);
    const HWND message = ui_->Settle();
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(Utf8(TextOf(TextLabelOf(message))), "Please choose a career.");
    ExpectProgramBox(message, false);
    ASSERT_EQ(ui_->Settle(), nullptr);

    ClickEntry(L"Wolf");
    Type(L"BF17");
    PostMessageW(Control(IDOK), BM_CLICK, 0, 0);
    ExpectProgramBox(ui_->Settle(), true);
    // OK on the question: the save is rewritten, "Job Done." and the dialog closes.
    ExpectProgramBox(ui_->Settle(), false);
    EXPECT_EQ(ui_->Settle(), nullptr);
    EXPECT_EQ(result_, DialogResult::Ok);
}

}  // namespace
}  // namespace kp
