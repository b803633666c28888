// The connection a file command works on: a connection handle, or "shc:N" for a
// shortcut, which is connected first when it is not.
#pragma once

#include <string>

#include "corvclient/btsdk_types.h"

namespace corvctl {

// The connection, or 0 after telling the user why there is none.
BTCONNHDL connectionOf(const std::string& target);

// Connects the shortcut with room for the largest parameter block.
BTRESULT connectShortcut(BTSHCHDL shortcut, BTCONNHDL* connection);

}  // namespace corvctl
