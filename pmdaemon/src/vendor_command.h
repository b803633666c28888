// The vendor commands that turn the controller's radio off and on, as stored templates,
// and the 260-byte request the service's "vendor_command" takes.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr size_t kVendorTemplateBytes = 106;
constexpr size_t kVendorRequestBytes = 260;

// Bytes 0-3 header, 4 the command code's low byte, 5 its high bits (two used), 6 the
// parameter length n, 7... the parameters; the stored expected reply after them is unused.
extern const uint8_t Intel_SDIO_HciCmd_RfKillOn[kVendorTemplateBytes];
extern const uint8_t Intel_SDIO_HciCmd_RfKillOff[kVendorTemplateBytes];

// The request, zero-filled: bytes 0-1 the 10-bit command code little endian, byte 2 the
// parameter length, then the parameters.
void build_vendor_request(const uint8_t* command_template, uint8_t request[kVendorRequestBytes]);
