// Scenario files: the world that the service starts from and returns to on a reset.
// The format is described at the top of the built-in default scenario.
#pragma once

#include <string>

#include "world/world.h"

namespace btserver {

// Reads a scenario from its text; false with a message naming the group and key at fault.
bool parseScenario(const std::string& text, World& out, std::string& error);
bool loadScenarioFile(const std::string& path, World& out, std::string& error);
// The built-in default scenario (a broken one is a build fault and aborts).
World defaultScenario();

}  // namespace btserver
