// A virtual remote device and the service records it offers.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "world/bluetooth_types.h"
#include "world/link_traffic.h"

namespace btserver {

// What answers at the far end of a serial-type connection's pseudo-terminal.
enum class SerialKind { Echo, Modem, None };  // None: no pseudo-terminal

struct RemoteService {
    static constexpr size_t kMaxNameBytes =
        79;  // the name field of an attribute record holds 80 bytes

    uint32_t handle = 0;
    uint16_t serviceClass = 0;
    std::string name;
    Bytes extension;        // the service's extension block of attributes
    bool reachable = true;  // false: connecting to it fails
    std::string files;      // file transfer: the folder its tree is copied from; empty: none
    bool readOnly = false;  // file transfer: puts, deletes and new folders are refused
    std::string card;       // object push: the business card file; empty: made from the name
    std::vector<std::string> numbers;      // dial-up: the numbers that connect
    std::vector<std::string> busyNumbers;  // dial-up: the numbers that answer busy
    SerialKind serial = SerialKind::Echo;  // serial-type: the far end of its connections
};

// The device's link with the local adapter while it is up: the connections with the device
// ride on it. It comes up with the first of them, or when SetConnected holds it, and goes
// down with the last one unless held.
struct DeviceLink {
    bool up = false;
    bool held = false;  // up by SetConnected, with or without connections
    uint32_t role = 0;  // the local adapter's role on it: 0 master, 1 slave
    Traffic ended;      // what this link's connections that have ended carried
};

// How the device pairs: a PIN asked of the user, a numeric value that the user confirms,
// a passkey shown to the user and typed on the device, or no user step at all.
enum class PairingKind { Pin, Confirm, Passkey, None };

struct RemoteDevice {
    static constexpr size_t kMaxNameBytes = 255;
    static constexpr size_t kLinkKeyBytes = 16;

    uint32_t handle = 0;
    std::string id;  // the device's name in the scenario file
    std::string name;
    BdAddr address{};
    uint32_t deviceClass = 0;
    int8_t rssi = 0;  // signal strength in dBm, measured while the link is up
    bool paired = false;
    bool trusted = false;
    std::string pin;
    bool inRange = true;
    bool known = true;  // stored by the stack: listed and enumerated; deleting forgets it
    PairingKind pairing = PairingKind::Pin;
    uint32_t passkey = 0;        // the numeric value to confirm, or the passkey shown
    uint32_t nameDelayMs = 200;  // how long a name update takes
    uint32_t pairDelayMs = 300;  // how long the device takes for its own part of a pairing
    // The local adapter's role on the device's links whatever side opens them (0 master,
    // 1 slave); none: the side that opens a link is its master.
    std::optional<uint32_t> localRole;
    // Bytes a second that each of its connections other than file transfer and object push
    // receives and sends while it lasts.
    Traffic flowPerSecond{4000, 1000};
    uint32_t param = 0;  // the device parameter, kept for the stack's users
    Bytes linkKey;       // empty while not paired
    DeviceLink link;
    std::vector<RemoteService> services;
    bool browsed = false;  // a service search found its services: they are enumerated

    // The device's first service of the class, or null.
    const RemoteService* serviceOfClass(uint16_t serviceClass) const {
        for (const RemoteService& service : services)
            if (service.serviceClass == serviceClass)
                return &service;
        return nullptr;
    }
    // The device's service of that handle and class, or null.
    const RemoteService* serviceWithHandle(uint32_t serviceHandle, uint16_t serviceClass) const {
        for (const RemoteService& service : services)
            if (service.handle == serviceHandle && service.serviceClass == serviceClass)
                return &service;
        return nullptr;
    }
};

}  // namespace btserver
