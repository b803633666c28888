#include "vendor_command.h"

#include <algorithm>
#include <cstring>

const uint8_t Intel_SDIO_HciCmd_RfKillOn[kVendorTemplateBytes] = {0x00, 0x00, 0x04, 0x00,
                                                                  0xF0, 0x03, 0x01, 0x01};
const uint8_t Intel_SDIO_HciCmd_RfKillOff[kVendorTemplateBytes] = {0x00, 0x00, 0x04, 0x00,
                                                                   0xF0, 0x03, 0x01, 0x00};

void build_vendor_request(const uint8_t* command_template, uint8_t request[kVendorRequestBytes]) {
    std::memset(request, 0, kVendorRequestBytes);
    unsigned code = ((command_template[5] << 8) & 0x3FF) | command_template[4];
    request[0] = static_cast<uint8_t>(code);
    request[1] = static_cast<uint8_t>(code >> 8);
    size_t length = std::min<size_t>(command_template[6], kVendorTemplateBytes - 7);
    request[2] = static_cast<uint8_t>(length);
    std::memcpy(request + 3, command_template + 7, length);
}
