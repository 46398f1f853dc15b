// A picture of a top-level window, frame included, as a PNG file.
#pragma once

#include <windows.h>

#include <filesystem>

namespace kp {

// Call on the window's thread. False when the file cannot be written.
bool SaveScreenshot(HWND window, const std::filesystem::path& file);

}  // namespace kp
