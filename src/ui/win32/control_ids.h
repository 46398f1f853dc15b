// The main window's controls by the dialog model's names for them.
#pragma once

#include <array>

#include "ui/win32/resource_ids.h"

namespace kp {

// By Field.
inline constexpr std::array<int, 6> kFieldIds = {IDC_GRID,     IDC_DAYS_IN_PORT, IDC_SEA_STATUS,
                                                 IDC_END_DATE, IDC_BOAT_TYPE,    IDC_END_LOCATION};
// By CheckBox.
inline constexpr std::array<int, 2> kCheckBoxIds = {IDC_AUTO_RADAR, IDC_ENTERED_MED};
// By TankerChoice: the radio group, in its order.
inline constexpr std::array<int, 4> kBaseButtonIds = {IDC_LAND_BASE, IDC_TANKER_NORTH,
                                                      IDC_TANKER_MID, IDC_TANKER_SOUTH};

}  // namespace kp
