#pragma once

#include <string>

namespace kp {

// Turns an upper-cased grid entry into the form the files take: "NULL", two
// letters and two digits, or two letters and one digit. False when the entry
// is no grid; the text is then left as far as the checks took it.
bool NormalizeGridEntry(std::string& grid);

// A grid whose third character is "0" is written with the digit after it
// alone: ES05 becomes ES5.
void DropLeadingZero(std::string& grid);

}  // namespace kp
