// Finding a remote device the way people name it, and describing it in one line.
#pragma once

#include <string>

#include "corvclient/btsdk_types.h"

namespace corvctl {

// A handle ("12" or "0x0C"), an address ("5C:F3:70:8A:21:C4", any case) or a name (exact,
// then without regard to case). 0 when no known device matches.
BTDEVHDL findDevice(const std::string& text);

// findDevice, or 0 after telling the user that no known device has that name.
BTDEVHDL knownDevice(const std::string& text);

// "handle  address  class  name" for listings.
std::string describeDevice(BTDEVHDL device);

// Addresses travel least significant byte first; people write them the other way round.
std::string addressText(const BTUINT8* address);

}  // namespace corvctl
