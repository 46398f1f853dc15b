#include "ui/win32/message_box.h"

#include <array>
#include <cstddef>
#include <filesystem>

#include "ui/win32/wide_text.h"

namespace kp {
namespace {

// By MessageButtons.
constexpr std::array<UINT, 2> kButtons = {MB_OK, MB_OKCANCEL};

}  // namespace

std::wstring MessageCaption() {
    // Grown until the whole path fits: a path may pass MAX_PATH.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return std::filesystem::path(path).stem().wstring();
}

MessageAnswer ShowProgramMessage(HWND owner, const std::string& text, MessageButtons buttons) {
    const int pressed =
        MessageBoxW(owner, Wide(text).c_str(), MessageCaption().c_str(),
                    kButtons[static_cast<std::size_t>(buttons)] | MB_ICONEXCLAMATION);
    return pressed == IDOK ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

}  // namespace kp
