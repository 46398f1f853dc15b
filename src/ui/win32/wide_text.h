// The program holds text as UTF-8; Windows' wide-character calls take UTF-16.
#pragma once

#include <string>
#include <string_view>

#include "ui/program_text.h"

namespace kp {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

using ProgramText = BasicProgramText<std::wstring, Wide, Utf8>;

}  // namespace kp
