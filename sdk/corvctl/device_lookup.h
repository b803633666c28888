// The known remote devices: listing them, finding one the way people name it, and
// describing one in a line.
#pragma once

#include <string>
#include <vector>

#include "corvclient/btsdk_types.h"

namespace corvctl {

// Appends the handles of the known devices; the result of listing them.
BTRESULT knownDevices(std::vector<BTDEVHDL>& devices);

// The known device named by a handle ("12" or "0x0C"), an address ("5C:F3:70:8A:21:C4",
// any case) or a name (exact, then without regard to case); 0 after telling the user why
// there is none: no known device matches, or the service cannot list them.
BTDEVHDL knownDevice(const std::string& text);

// "handle  address  class  paired  name" for listings and prompts into line; false when
// the service could not give all of it (the parts it did not give show as "?").
bool describeDevice(BTDEVHDL device, std::string& line);

// Addresses travel least significant byte first; people write them the other way round.
std::string addressText(const BTUINT8* address);

}  // namespace corvctl
