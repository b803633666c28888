// The local Bluetooth adapter.
#pragma once

#include <string>

#include "world/bluetooth_types.h"

namespace btserver {

struct Adapter {
    static constexpr size_t kMaxNameBytes = 255;
    static constexpr size_t kLmpInfoBytes = 18;

    std::string name;
    BdAddr address{};
    uint32_t deviceClass = 0;
    uint16_t discoveryMode = 0;
    bool powered = false;  // Bluetooth on
    std::array<uint8_t, kLmpInfoBytes> lmpInfo{};
    bool trace = false;         // trace records ("log_tester_data") are sent
    uint32_t securityMode = 0;  // as last set by set_security_mode
};

}  // namespace btserver
