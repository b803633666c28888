// Value types shared by the parts of the world model.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace btserver {

// A Bluetooth device address, least significant byte first, as it travels on the bus.
using BdAddr = std::array<uint8_t, 6>;
using Bytes = std::vector<uint8_t>;

}  // namespace btserver
