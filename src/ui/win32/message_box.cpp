#include "ui/win32/message_box.h"

#include <array>
#include <cstddef>

#include "ui/win32/wide_text.h"
#include "ui/window_texts.h"

namespace kp {
namespace {

// By MessageButtons.
constexpr std::array<UINT, 2> kButtons = {MB_OK, MB_OKCANCEL};

}  // namespace

MessageAnswer ShowProgramMessage(HWND owner, const std::string& text, MessageButtons buttons) {
    const int pressed =
        MessageBoxW(owner, Wide(text).c_str(), Wide(kProgramName).c_str(),
                    kButtons[static_cast<std::size_t>(buttons)] | MB_ICONEXCLAMATION);
    return pressed == IDOK ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

}  // namespace kp
