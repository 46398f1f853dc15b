#include "ui/win32/program_output.h"

#include <windows.h>

#include "ui/win32/message_box.h"
#include "ui/win32/wide_text.h"

namespace kp {
namespace {

bool Leads(HANDLE handle) {
    return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
           GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

// A console takes UTF-16; a file or pipe takes the UTF-8 bytes as they are.
bool Write(HANDLE handle, const std::string& text) {
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode)) {
        const std::wstring wide = Wide(text);
        DWORD written = 0;
        return WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written,
                             nullptr) != 0;
    }
    DWORD written = 0;
    return WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) !=
               0 &&
           written == text.size();
}

bool WriteToParentConsole(const std::string& text) {
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) {
        return false;
    }
    const HANDLE console =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    const bool written = console != INVALID_HANDLE_VALUE && Write(console, text);
    if (console != INVALID_HANDLE_VALUE) {
        CloseHandle(console);
    }
    FreeConsole();
    return written;
}

}  // namespace

void TellUser(const std::string& text, const std::string& boxText, OutputStream stream) {
    const HANDLE handle =
        GetStdHandle(stream == OutputStream::Out ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if ((Leads(handle) && Write(handle, text)) || WriteToParentConsole(text)) {
        return;
    }
    std::string shown = boxText;
    while (!shown.empty() && shown.back() == '\n') {
        shown.pop_back();
    }
    const UINT icon = stream == OutputStream::Out ? MB_ICONINFORMATION : MB_ICONEXCLAMATION;
    MessageBoxW(nullptr, Wide(shown).c_str(), MessageCaption().c_str(), MB_OK | icon);
}

}  // namespace kp
