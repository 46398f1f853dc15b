#include "ui/win32/patrol_window.h"

#include <commctrl.h>

#include <cstddef>

#include "ui/dialog_commands.h"
#include "ui/field_texts.h"
#include "ui/patrol_dialog.h"
#include "ui/win32/about_box.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/message_box.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/wide_text.h"
#include "ui/window_layout.h"
#include "ui/window_texts.h"

namespace kp {
namespace {

constexpr LayoutRow kRows[] = {KP_PATROL_WINDOW_CONTROLS(KP_WIN32_LAYOUT_ROW)};
constexpr LayoutFrame kFrame = {{KP_PATROL_WINDOW_WIDTH, KP_PATROL_WINDOW_HEIGHT},
                                KP_PATROL_WINDOW_FONT_SIZE};

// The notification a command's control sends: the list its change of
// selection, a button its click. Enter arrives as IDOK (the default button),
// Esc and the close box as IDCANCEL.
constexpr int NotificationOf(int id) {
    return id == IDC_CAREER_LIST ? LBN_SELCHANGE : BN_CLICKED;
}

// The low four bits of a system command are the system's own.
constexpr WPARAM kCommandMask = 0xFFF0;

// A command from the accelerator table comes with 1 where a control's has its
// notification code.
constexpr int kFromKeys = 1;

static_assert(IDM_ABOUTBOX == kAboutCommand && IDM_UNDO == kUndoCommand);

// The window whose keys the dialog loop's filter translates; one at a time.
HWND gKeyWindow = nullptr;
HACCEL gKeys = nullptr;

// The system runs a dialog's message loop itself; this filter, called for
// each of its messages, is where the commands' keys are taken, before the
// dialog manager sees them. Another dialog's messages (a message box, the
// About box) pass untouched.
LRESULT CALLBACK KeyFilter(int code, WPARAM wParam, LPARAM lParam) {
    auto* message = reinterpret_cast<MSG*>(lParam);
    if (code == MSGF_DIALOGBOX && gKeyWindow != nullptr &&
        (message->hwnd == gKeyWindow || IsChild(gKeyWindow, message->hwnd)) &&
        TranslateAcceleratorW(gKeyWindow, gKeys, message) != 0) {
        return TRUE;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The window lays itself out again at a new DPI (WM_DPICHANGED); the dialog
// manager of Windows 10 would scale its controls and fonts once more. Looked
// up, as systems before it (and Wine) have no such call.
void KeepDpiChangesToTheWindow(HWND window) {
    using SetBehavior =
        BOOL(WINAPI*)(HWND, DIALOG_DPI_CHANGE_BEHAVIORS, DIALOG_DPI_CHANGE_BEHAVIORS);
    const HMODULE user = GetModuleHandleW(L"user32.dll");
    const auto set = user == nullptr ? nullptr
                                     : reinterpret_cast<SetBehavior>(reinterpret_cast<void*>(
                                           GetProcAddress(user, "SetDialogDpiChangeBehavior")));
    if (set != nullptr) {
        set(window, DDC_DISABLE_ALL, DDC_DISABLE_ALL);
    }
}

// With nothing selected the list box moves from its caret, wherever that
// points: the first key chooses from the list's ends instead, Down, Up and
// Home the first career, End the last, and tells the window as a click does.
LRESULT CALLBACK ListKeys(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                          DWORD_PTR) {
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(list, ListKeys, id);
    }
    const bool fromEnd =
        wParam == VK_DOWN || wParam == VK_UP || wParam == VK_HOME || wParam == VK_END;
    if (message == WM_KEYDOWN && fromEnd && SendMessageW(list, LB_GETCURSEL, 0, 0) == LB_ERR) {
        const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
        if (count > 0) {
            SendMessageW(list, LB_SETCURSEL, wParam == VK_END ? static_cast<WPARAM>(count - 1) : 0,
                         0);
            SendMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(list));
            return 0;
        }
    }
    return DefSubclassProc(list, message, wParam, lParam);
}

std::wstring WindowText(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

PatrolWindow::PatrolWindow(CKelmarPatrol2Dlg& dialog)
    : dialog_(dialog),
      icon_(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME))) {}

DialogResult PatrolWindow::Run() {
    const INITCOMMONCONTROLSEX classes = {sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
    gKeys = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_ACCELERATORS));
    const HHOOK filter = SetWindowsHookExW(WH_MSGFILTER, KeyFilter, nullptr, GetCurrentThreadId());
    const INT_PTR result =
        DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_KELMARPATROL), nullptr,
                        DialogProc, reinterpret_cast<LPARAM>(this));
    if (filter != nullptr) {
        UnhookWindowsHookEx(filter);
    }
    gKeyWindow = nullptr;
    return result == IDOK ? DialogResult::Ok : DialogResult::Cancel;
}

INT_PTR CALLBACK PatrolWindow::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<PatrolWindow*>(lParam);
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        self->window_ = window;
    }
    auto* self = reinterpret_cast<PatrolWindow*>(GetWindowLongPtrW(window, DWLP_USER));
    // The messages that come before WM_INITDIALOG get the default handling.
    return self == nullptr ? FALSE : self->OnMessage(message, wParam, lParam);
}

INT_PTR PatrolWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            OnInitDialog();
            // The first thing to do is to pick a career: the list takes the keys.
            SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(IDC_CAREER_LIST)),
                         TRUE);
            return FALSE;
        case WM_SYSCOMMAND:
            return OnSysCommand(wParam);
        case WM_CONTEXTMENU:
            return OnContextMenu(lParam);
        case WM_PAINT:
            return OnPaint();
        case WM_QUERYDRAGICON:
            return reinterpret_cast<INT_PTR>(icon_);
        case WM_COMMAND:
            return OnCommand(LOWORD(wParam), HIWORD(wParam));
        case WM_DPICHANGED:
            layout_->ApplyDpiChange(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return TRUE;
        default:
            return FALSE;
    }
}

void PatrolWindow::OnInitDialog() {
    gKeyWindow = window_;
    KeepDpiChangesToTheWindow(window_);
    layout_.emplace(window_, kRows, kFrame);
    for (std::size_t field = 0; field < kFieldCount; ++field) {
        layout_->ShowsTexts(Control(kFieldIds[field]), TextsShownIn(static_cast<Field>(field)));
    }
    layout_->Apply(GetDpiForWindow(window_));
    SetWindowSubclass(Control(IDC_CAREER_LIST), ListKeys, 0, 0);
    dialog_.Attach(*this);
    AddAboutItem();
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    dialog_.OnInitDialog();
}

void PatrolWindow::AddAboutItem() {
    const HMENU menu = GetSystemMenu(window_, FALSE);
    if (menu == nullptr) {
        return;
    }
    // LoadString with no buffer gives a pointer into the resource itself.
    const wchar_t* text = nullptr;
    const int length =
        LoadStringW(GetModuleHandleW(nullptr), IDS_ABOUTBOX, reinterpret_cast<wchar_t*>(&text), 0);
    if (length <= 0) {
        return;
    }
    const std::wstring item(text, static_cast<std::size_t>(length));
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(kAboutCommand), item.c_str());
    AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(kUndoCommand), Wide(kUndoMenuItem).c_str());
}

bool PatrolWindow::OnCommand(int id, int notification) {
    if (notification == kFromKeys && RunCommand(id)) {
        return true;
    }
    for (const DialogCommand& command : kDialogCommands) {
        if (ControlIdOf(command.control) == id && NotificationOf(id) == notification) {
            kp::RunCommand(dialog_, command);
            return true;
        }
    }
    return false;
}

bool PatrolWindow::OnSysCommand(WPARAM command) {
    // Move, close and the rest: the system's own handling.
    return RunCommand(static_cast<int>(command & kCommandMask));
}

bool PatrolWindow::RunCommand(int command) {
    switch (command) {
        case kAboutCommand:
            ShowAboutBox(window_, dialog_.m_szCfgPath, layout_->Dpi());
            return true;
        case kUndoCommand:
            dialog_.OnUndoLastChanges();
            return true;
        default:
            return false;
    }
}

// The system menu's commands again, where a right click or the menu key asks
// for a menu: an edit field answers with its own, everything else (the list,
// a button, a label, the background) passes the request up to here. Under a
// window manager that keeps the title bar to itself, this is the way to them.
bool PatrolWindow::OnContextMenu(LPARAM where) {
    POINT at = {static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))};
    // From the keyboard the point is (-1, -1): the menu opens at the control with the focus.
    if (where == static_cast<LPARAM>(-1) || (at.x == -1 && at.y == -1)) {
        RECT place;
        const HWND focus = GetFocus();
        GetWindowRect(focus != nullptr ? focus : window_, &place);
        at = {place.left + (place.right - place.left) / 2,
              place.top + (place.bottom - place.top) / 2};
    }
    const HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(kAboutCommand),
                Wide(kAboutMenuItem).c_str());
    AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(kUndoCommand), Wide(kUndoMenuItem).c_str());
    const int chosen = static_cast<int>(TrackPopupMenu(
        menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, window_, nullptr));
    DestroyMenu(menu);
    RunCommand(chosen);
    return true;
}

// The minimised window shows the icon in the middle of its client area.
bool PatrolWindow::OnPaint() {
    if (!IsIconic(window_)) {
        return false;
    }
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window_, &paint);
    SendMessageW(window_, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    const int cx = GetSystemMetrics(SM_CXICON);
    const int cy = GetSystemMetrics(SM_CYICON);
    RECT client;
    GetClientRect(window_, &client);
    DrawIcon(dc, (client.right - client.left - cx + 1) / 2,
             (client.bottom - client.top - cy + 1) / 2, icon_);
    EndPaint(window_, &paint);
    return true;
}

HWND PatrolWindow::Control(int id) const {
    return GetDlgItem(window_, id);
}

std::string PatrolWindow::FieldText(Field field) const {
    return fieldTexts_[Slot(field)].Back(WindowText(Control(kFieldIds[Slot(field)])));
}

// WM_SETTEXT is not held to the typing limit: text the program sets shows whole.
void PatrolWindow::SetFieldText(Field field, const std::string& text) {
    fieldTexts_[Slot(field)] = ProgramText::Of(text);
    SetWindowTextW(Control(kFieldIds[Slot(field)]), fieldTexts_[Slot(field)].shown.c_str());
}

void PatrolWindow::SetGridTypingLimit(int characters) {
    SendMessageW(Control(IDC_GRID), EM_LIMITTEXT, static_cast<WPARAM>(characters), 0);
}

// Inserted at the end, which the list does not sort although its style says so.
void PatrolWindow::AppendListEntry(const std::string& text) {
    listTexts_.push_back(ProgramText::Of(text));
    SendMessageW(Control(IDC_CAREER_LIST), LB_INSERTSTRING, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(listTexts_.back().shown.c_str()));
}

int PatrolWindow::ListCount() const {
    return static_cast<int>(SendMessageW(Control(IDC_CAREER_LIST), LB_GETCOUNT, 0, 0));
}

std::string PatrolWindow::ListEntry(int index) const {
    const HWND list = Control(IDC_CAREER_LIST);
    const auto slot = static_cast<WPARAM>(index);
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, slot, 0);
    if (length == LB_ERR) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(list, LB_GETTEXT, slot, reinterpret_cast<LPARAM>(text.data()))));
    return listTexts_[slot].Back(text);
}

int PatrolWindow::ListSelection() const {
    const LRESULT selected = SendMessageW(Control(IDC_CAREER_LIST), LB_GETCURSEL, 0, 0);
    return selected == LB_ERR ? -1 : static_cast<int>(selected);
}

// LB_SETCURSEL sends no LBN_SELCHANGE: the model is not told of its own push.
void PatrolWindow::SetListSelection(int index) {
    SendMessageW(Control(IDC_CAREER_LIST), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int PatrolWindow::RadioIndex() const {
    for (std::size_t i = 0; i < kBaseButtonIds.size(); ++i) {
        if (IsDlgButtonChecked(window_, kBaseButtonIds[i]) == BST_CHECKED) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void PatrolWindow::SetRadioIndex(int index) {
    for (std::size_t i = 0; i < kBaseButtonIds.size(); ++i) {
        CheckDlgButton(window_, kBaseButtonIds[i],
                       static_cast<int>(i) == index ? BST_CHECKED : BST_UNCHECKED);
    }
}

bool PatrolWindow::IsChecked(CheckBox box) const {
    return IsDlgButtonChecked(window_, kCheckBoxIds[Slot(box)]) == BST_CHECKED;
}

void PatrolWindow::SetChecked(CheckBox box, bool checked) {
    CheckDlgButton(window_, kCheckBoxIds[Slot(box)], checked ? BST_CHECKED : BST_UNCHECKED);
}

void PatrolWindow::FocusAndSelectAll(Field field) {
    const HWND edit = Control(kFieldIds[Slot(field)]);
    SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(edit), TRUE);
    SendMessageW(edit, EM_SETSEL, 0, -1);
}

MessageAnswer PatrolWindow::ShowMessage(const std::string& text, MessageButtons buttons) {
    return ShowProgramMessage(window_, text, buttons);
}

void PatrolWindow::EndDialog(DialogResult result) {
    ::EndDialog(window_, result == DialogResult::Ok ? IDOK : IDCANCEL);
}

}  // namespace kp
