// The About box's line below its version line, the same in every front end:
// which configuration folder the program settled on, found by itself or given.
#pragma once

#include <string>
#include <string_view>

#include "ui/window_texts.h"

namespace kp {

// `cfgPath` as the dialog state keeps it, UTF-8.
inline std::string AboutFolderLine(std::string_view cfgPath) {
    return std::string(kFolderLineStart) + std::string(cfgPath);
}

}  // namespace kp
