// What only the real Windows controls show: the list box's notifications,
// the edit control's typing limit, the dialog manager's Enter and Tab, the
// system menu and the system's message boxes. Everything else the scenarios
// play through this window too.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/program_start.h"
#include "career_fixture.h"
#include "grid/random_source.h"
#include "platform/file_ops.h"
#include "ui/patrol_dialog.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/patrol_window.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/wide_text.h"
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
                SeedAndFindCareers(dialog_, random_, 1, SystemFileOps(), folder_.Path() / "cfg"));
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

// The radio buttons carry no tab stop; the system gives the checked one of
// the group its tab stop, so that a keyboard reaches the group at all (the
// arrow keys then move within it), and the others are never visited.
TEST_F(Win32WindowTest, FocusStartsOnMakeChangesAndTabVisitsOnlyTheCheckedRadioButton) {
    Open("unchanged");
    EXPECT_EQ(FocusId(), IDOK);
    const std::vector<int> expected = {IDCANCEL,        IDC_GRID,        IDC_DAYS_IN_PORT,
                                       IDC_SEA_STATUS,  IDC_LAND_BASE,   IDC_AUTO_RADAR,
                                       IDC_END_DATE,    IDC_BOAT_TYPE,   IDC_END_LOCATION,
                                       IDC_CAREER_LIST, IDC_ENTERED_MED, IDOK};
    std::vector<int> visited;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(PressKey(VK_TAB), nullptr);
        visited.push_back(FocusId());
    }
    EXPECT_EQ(visited, expected);
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
