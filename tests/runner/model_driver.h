#pragma once

#include <memory>

#include "scenario_driver.h"

namespace kp {

// Plays scenarios on the dialog model, its controls kept in memory.
std::unique_ptr<ScenarioDriver> MakeModelDriver();

}  // namespace kp
