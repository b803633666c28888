// The files that a scenario names: the trees of the devices' file-transfer services and
// the cards of their object-push services.
#pragma once

#include <string>

#include "world/world.h"

namespace btserver {

// Makes the services' Files and Card paths absolute, taking relative ones from `folder`.
// With `mustExist`, a Files path that is no folder or a Card path that is no file is an
// error naming its service. A device ID that cannot name a folder is always an error.
bool resolveScenarioFiles(World& world, const std::string& folder, bool mustExist,
                          std::string& error);

}  // namespace btserver
