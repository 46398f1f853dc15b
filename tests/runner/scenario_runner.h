#pragma once

#include <filesystem>
#include <ostream>

#include "scenario_driver.h"

namespace kp {

// Plays the script on the driver, printing the transcript. 0 when the script
// was played to its end, 2 for a script error.
int RunScenario(const std::filesystem::path& script, ScenarioDriver& driver, std::ostream& out);

}  // namespace kp
