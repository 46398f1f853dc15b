#pragma once

#include <memory>

#include "scenario_driver.h"

namespace kp {

// Plays scenarios on the native Windows window: mouse clicks on the list,
// BM_CLICK on the buttons, typed characters, the real boxes answered.
std::unique_ptr<ScenarioDriver> MakeWin32Driver();

}  // namespace kp
