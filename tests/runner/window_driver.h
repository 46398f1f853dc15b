#pragma once

#include <memory>

#include "scenario_driver.h"

namespace kp {

// Plays scenarios on the real window, off screen unless a platform is
// chosen: clicks and key presses on its widgets, answers to its boxes.
std::unique_ptr<ScenarioDriver> MakeWindowDriver(int& argc, char** argv);

}  // namespace kp
