// The service classes that the simulated stack gives behaviour, and what follows from a
// class: whether its connections get a COM port, what they carry, and the size of a local
// server's extension block.
#pragma once

#include <cstddef>
#include <cstdint>

namespace btserver {

constexpr uint16_t kSerialPortClass = 0x1101;
constexpr uint16_t kDialUpClass = 0x1103;
constexpr uint16_t kObjectPushClass = 0x1105;
constexpr uint16_t kFileTransferClass = 0x1106;
constexpr uint16_t kAudioSourceClass = 0x110A;
constexpr uint16_t kHidClass = 0x1124;

// Serial port and dial-up: their connections get a COM port.
inline bool isSerialType(uint32_t serviceClass) {
    return serviceClass == kSerialPortClass || serviceClass == kDialUpClass;
}

// File transfer and object push: their connections carry what their transfers move, the
// others a steady flow while they last.
inline bool carriesTransfers(uint32_t serviceClass) {
    return serviceClass == kFileTransferClass || serviceClass == kObjectPushClass;
}

// Headset (0x1108), headset audio gateway (0x1112), hands-free (0x111E) and hands-free
// audio gateway (0x111F).
inline bool isHandsFreeClass(uint32_t serviceClass) {
    return serviceClass == 0x1108 || serviceClass == 0x1112 || serviceClass == 0x111E ||
           serviceClass == 0x111F;
}

// The PAN roles: PAN user, network access point, group ad-hoc network.
inline bool isPanRole(uint32_t serviceClass) {
    return serviceClass == 0x1115 || serviceClass == 0x1116 || serviceClass == 0x1117;
}

// The extension block size of a local server of the class.
inline size_t serverExtensionBytes(uint16_t serviceClass) {
    switch (serviceClass) {
        case kSerialPortClass:
        case kDialUpClass:
            return 8;
        case kObjectPushClass:
            return 784;
        case kFileTransferClass:
            return 264;
        default:
            return 0;
    }
}

}  // namespace btserver
