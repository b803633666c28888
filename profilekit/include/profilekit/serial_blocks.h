// The records of a serial-type connection (serial port, dial-up): the parameter block
// that Btsdk_ConnectShortCutEx takes, which gives the connection its COM port, and the
// profile-attribute block of a shortcut, which keeps the port the shortcut was last
// connected on (CvCm_GetComPortByShortcut reads it back).
#pragma once

#include <cstddef>
#include <cstdint>

#include "profilekit_api.h"

#pragma pack(push, 1)

// 8 bytes: the size (written by the client library as well), the port at offset 6.
struct SerialConnectParam {
    uint32_t size = sizeof(SerialConnectParam);
    uint16_t reserved = 0;
    uint16_t comPort = 0;

    explicit SerialConnectParam(uint16_t port) : comPort(port) {}
};

// 15 bytes, zero but for the port at offset 5, low byte first.
struct SerialShortcutAttr {
    uint8_t reserved1[5] = {};
    uint8_t comPort[2] = {};
    uint8_t reserved2[8] = {};

    explicit SerialShortcutAttr(uint16_t port)
        : comPort{static_cast<uint8_t>(port & 0xFF), static_cast<uint8_t>(port >> 8)} {}
};

#pragma pack(pop)

static_assert(sizeof(SerialConnectParam) == 8 && offsetof(SerialConnectParam, comPort) == 6,
              "connect parameter block layout");
static_assert(sizeof(SerialShortcutAttr) == 15 && offsetof(SerialShortcutAttr, comPort) == 5,
              "shortcut attribute block layout");

// Writes the port into the shortcut's attribute block (mask 0x40, 15 bytes), keeping the
// rest of its record; the client library's result (770 when the record cannot be read).
PROFILEKIT_EXPORT unsigned int WriteShortcutComPort(unsigned int shortcut, uint16_t port);
