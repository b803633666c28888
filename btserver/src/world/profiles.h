// What clients registered with the profile areas: serial-port servers, the dial-up
// service and the dial in progress, the PAN service and its event receiver, hands-free
// services and audio links, the audio/video service, and the plug state of input devices.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "world/bluetooth_types.h"

namespace btserver {

// A serial-port server registered on a COM port; its key is its local server's handle.
struct SerialRegistration {
    uint32_t key = 0;
    uint32_t port = 0;
};

struct DialUp {
    bool registered = false;  // the local dial-up service
    uint32_t connection = 0;  // the dial-up connection the current dial went through; 0: none
};

struct Pan {
    bool registered = false;  // the local PAN service, in one of the network roles
    bool events = false;      // a client asked for "signal_pan_event"
};

struct HandsFree {
    std::vector<uint32_t> servers;     // the local servers of the registered services
    std::vector<uint32_t> audioLinks;  // the connections that carry an audio link
};

struct Profiles {
    std::vector<SerialRegistration> serial;
    DialUp dialUp;
    Pan pan;
    HandsFree handsFree;
    uint32_t audioServer = 0;        // the audio/video service's local server; 0: none
    std::map<BdAddr, bool> plugged;  // input devices plugged (true) or unplugged since
};

}  // namespace btserver
