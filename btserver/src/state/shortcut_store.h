// The shortcuts that the service keeps across its restarts, in the file "shortcuts" of its
// state folder. The file is text: lines starting with # are comments; every other line is
// one shortcut, "ADDRESS RECORD", where ADDRESS is its device's address written most
// significant byte first (5C:F3:70:8A:21:C4) and RECORD its property record (header and
// block) in hex without separators. The device and service handles of a record are those
// of the run that wrote it; on loading, the device is found again by its address and the
// service as the device's first one of the record's class.
#pragma once

#include <string>

#include "world/world.h"

namespace btserver {

std::string shortcutFile(const std::string& stateDir);

// Writes the world's shortcuts; the new content takes the old one's place at once
// (written to a temporary file in the same folder, then renamed).
bool saveShortcuts(const std::string& path, const World& world, std::string& error);

// Adds the file's shortcuts whose device and service the world has, not connected, with
// their handles; the world's next handle comes after them. A missing or empty file holds
// none. False with the reason, adding nothing, for a file that cannot be read or a line
// that is not a shortcut.
bool loadShortcuts(const std::string& path, World& world, std::string& error);

}  // namespace btserver
