#include "win32_driver.h"

#include <windows.h>

#include <array>
#include <cstddef>
#include <mutex>
#include <optional>

#include "app/program_start.h"
#include "grid/random_source.h"
#include "platform/file_ops.h"
#include "ui/patrol_dialog.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/message_box.h"
#include "ui/win32/patrol_window.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/wide_text.h"
#include "ui/window_texts.h"
#include "win32_screenshot.h"
#include "win32_ui_thread.h"

namespace kp {
namespace {

// A button of a box, where the box shows it.
HWND ShownButton(HWND box, int id) {
    const HWND button = GetDlgItem(box, id);
    return button != nullptr && IsWindowVisible(button) ? button : nullptr;
}

class Win32Driver final : public ScenarioDriver {
  public:
    bool Start(const std::filesystem::path& cfgFolder, std::uint32_t seed,
               MessageHandler onMessage) override {
        dialog_.SetClock([] { return kScenarioTime; });
        onMessage_ = std::move(onMessage);
        ui_.emplace([this, cfgFolder, seed] {
            if (!StartInConfigFolder(dialog_, random_, seed, SystemFileOps(), cfgFolder)) {
                ShowProgramMessage(nullptr, kNoCareersMessage, MessageButtons::Ok);
                return;
            }
            PatrolWindow window(dialog_);
            const DialogResult result = window.Run();
            const std::lock_guard lock(resultMutex_);
            result_ = result;
        });
        SettleAnswering();
        window_ = ui_->Window();
        return !ui_->Ended();
    }

    // A click at the centre of the entry, scrolled into view first as a user
    // scrolls: the list box itself reports the selection change.
    bool Select(const std::string& name) override {
        const HWND list = Control(IDC_CAREER_LIST);
        const std::wstring wanted = Wide(name);
        int index = -1;
        POINT centre = {};
        ui_->Run([&] {
            const auto count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
            for (int i = 0; i < count && index < 0; ++i) {
                if (ListText(list, i) == wanted) {
                    index = i;
                }
            }
            if (index < 0) {
                return;
            }
            RECT entry;
            RECT client;
            GetClientRect(list, &client);
            SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index),
                         reinterpret_cast<LPARAM>(&entry));
            if (entry.top < client.top || entry.bottom > client.bottom) {
                SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
                SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index),
                             reinterpret_cast<LPARAM>(&entry));
            }
            centre = {(entry.left + entry.right) / 2, (entry.top + entry.bottom) / 2};
        });
        if (index < 0) {
            return false;
        }
        const LPARAM at = MAKELPARAM(centre.x, centre.y);
        PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageW(list, WM_LBUTTONUP, 0, at);
        SettleAnswering();
        return true;
    }

    void ClickBase(int tankerChoice) override {
        Click(Control(kBaseButtonIds[static_cast<std::size_t>(tankerChoice)]));
    }

    // Into the field as Tab enters it (all of its text selected), then one
    // WM_CHAR a UTF-16 unit, so the field's typing limit applies.
    void TypeGrid(const std::string& text) override {
        const HWND grid = Control(IDC_GRID);
        SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(grid), TRUE);
        if (text.empty()) {
            PostMessageW(grid, WM_CHAR, VK_BACK, 1);
        }
        for (const wchar_t unit : Wide(text)) {
            PostMessageW(grid, WM_CHAR, static_cast<WPARAM>(unit), 1);
        }
        SettleAnswering();
    }

    void Toggle(CheckBox box) override { Click(Control(kCheckBoxIds[Slot(box)])); }

    void PressOk() override { Click(Control(IDOK)); }
    void PressCancel() override { Click(Control(IDCANCEL)); }

    // The system menu's command, as choosing the item sends it.
    std::string About() override {
        aboutText_.clear();
        PostMessageW(window_, WM_SYSCOMMAND, static_cast<WPARAM>(kAboutCommand), 0);
        SettleAnswering();
        return aboutText_;
    }

    void Undo() override {
        PostMessageW(window_, WM_SYSCOMMAND, static_cast<WPARAM>(kUndoCommand), 0);
        SettleAnswering();
    }

    WindowContents Show() const override {
        WindowContents c;
        ui_->Run([&] {
            const HWND list = Control(IDC_CAREER_LIST);
            const auto count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
            for (int i = 0; i < count; ++i) {
                c.careers.push_back(Utf8(ListText(list, i)));
            }
            const auto selected = static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));
            if (selected >= 0) {
                c.selected = Utf8(ListText(list, selected));
            }
            const std::array<std::string*, 6> fields = {&c.grid,    &c.daysInPort, &c.seaStatus,
                                                        &c.endDate, &c.boatType,   &c.endLocation};
            for (std::size_t i = 0; i < fields.size(); ++i) {
                *fields[i] = Utf8(TextOf(Control(kFieldIds[i])));
            }
            for (const int id : kBaseButtonIds) {
                if (IsDlgButtonChecked(window_, id) == BST_CHECKED) {
                    c.base = WithoutAccessKeys(Utf8(TextOf(Control(id))));
                }
            }
            c.autoUpdate = IsDlgButtonChecked(window_, kCheckBoxIds[0]) == BST_CHECKED;
            c.enteredMed = IsDlgButtonChecked(window_, kCheckBoxIds[1]) == BST_CHECKED;
        });
        return c;
    }

    std::optional<DialogResult> Closed() const override {
        const std::lock_guard lock(resultMutex_);
        return result_;
    }

    void Screenshot(const std::filesystem::path& file) override {
        if (ui_ && !ui_->Ended()) {
            ui_->Run([&] { SaveScreenshot(window_, file); });
        }
    }

  private:
    HWND Control(int id) const { return GetDlgItem(window_, id); }

    static std::wstring ListText(HWND list, int index) {
        const auto slot = static_cast<WPARAM>(index);
        std::wstring text(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, slot, 0)) + 1,
                          L'\0');
        text.resize(static_cast<std::size_t>(
            SendMessageW(list, LB_GETTEXT, slot, reinterpret_cast<LPARAM>(text.data()))));
        return text;
    }

    // Posted: a handler the click runs may open a modal box, which the
    // window's thread then sits in until it is answered here.
    void Click(HWND button) {
        PostMessageW(button, BM_CLICK, 0, 0);
        SettleAnswering();
    }

    void SettleAnswering() {
        while (const HWND box = ui_->Settle()) {
            Answer(box);
        }
    }

    void Answer(HWND box) {
        const std::string text = Utf8(TextOf(TextLabelOf(box)));
        if (TextOf(box) == Wide(kAboutCaption)) {
            aboutText_ = text;
            PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
            return;
        }
        const bool question = ShownButton(box, IDCANCEL) != nullptr;
        const MessageAnswer answer =
            onMessage_(text, question ? MessageButtons::OkCancel : MessageButtons::Ok);
        PostMessageW(ShownButton(box, answer == MessageAnswer::Ok ? IDOK : IDCANCEL), BM_CLICK, 0,
                     0);
    }

    MessageHandler onMessage_;
    RandomSource random_;
    CKelmarPatrol2Dlg dialog_{SystemFileOps(), random_};
    mutable std::mutex resultMutex_;
    std::optional<DialogResult> result_;
    std::string aboutText_;
    HWND window_ = nullptr;
    // Declared last, gone first: the thread ends before the model it runs.
    std::optional<Win32UiThread> ui_;
};

}  // namespace

std::unique_ptr<ScenarioDriver> MakeWin32Driver() {
    return std::make_unique<Win32Driver>();
}

}  // namespace kp
