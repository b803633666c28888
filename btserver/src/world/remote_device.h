// A virtual remote device and the service records it offers.
#pragma once

#include <string>
#include <vector>

#include "world/bluetooth_types.h"

namespace btserver {

struct RemoteService {
    static constexpr size_t kMaxNameBytes =
        79;  // the name field of an attribute record holds 80 bytes

    uint32_t handle = 0;
    uint16_t serviceClass = 0;
    std::string name;
    Bytes extension;  // the service's extension block of attributes
};

struct RemoteDevice {
    static constexpr size_t kMaxNameBytes = 255;

    uint32_t handle = 0;
    std::string id;  // the device's name in the scenario file
    std::string name;
    BdAddr address{};
    uint32_t deviceClass = 0;
    int8_t rssi = 0;
    bool paired = false;
    bool trusted = false;
    std::string pin;
    bool inRange = true;
    std::vector<RemoteService> services;
};

}  // namespace btserver
