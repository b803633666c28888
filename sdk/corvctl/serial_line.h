// Serial-type connections (serial port, dial-up) as a terminal program reaches them: the
// service publishes each one's line as the device "ttyB<port>".
#pragma once

#include <string>

#include "corvclient/btsdk_types.h"

namespace corvctl {

// The device to open for the connection's line: its path, "port N (no device)" when the
// service published none, empty when the connection has no port.
std::string serialLineOf(BTCONNHDL connection);

}  // namespace corvctl
