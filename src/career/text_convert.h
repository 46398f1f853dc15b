// Number conversions of the career files. They behave like the C library's
// atoi, atof and printf in the "C" locale, whatever locale the process runs in
// (a window toolkit may switch to the user's, where 100.0000 would become
// 100,0000 and break the simulation's files).
#pragma once

#include <string>
#include <string_view>

namespace kp {

// Leading white space, an optional sign, digits up to the first other
// character; no digits read as 0; out-of-range values saturate.
int ParseInt(std::string_view text);
// Leading white space, then the longest decimal floating-point number; none reads as 0.
float ParseFloat(std::string_view text);
// True when the text begins, after white space, with an optional sign and a digit.
bool BeginsWithInt(std::string_view text);

std::string FormatInt(int value);
// Four decimals, as "%.4f" of the value widened to double.
std::string FormatFixed4(float value);

}  // namespace kp
