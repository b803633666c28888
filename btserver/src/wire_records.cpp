#include "wire_records.h"

#include <algorithm>
#include <cstring>

namespace btserver {

namespace {

constexpr size_t kNameOffset = 4, kNameBytes = 80;
constexpr size_t kSecurityOffset = 84, kParamOffset = 86, kValueOffset = 92;

void putWord16(Bytes& image, size_t offset, uint16_t value) {
    image[offset] = static_cast<uint8_t>(value);
    image[offset + 1] = static_cast<uint8_t>(value >> 8);
}

void putWord32(Bytes& image, size_t offset, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) image[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

void putName(Bytes& image, size_t offset, const std::string& name) {
    std::copy_n(name.begin(), std::min(name.size(), kNameBytes - 1), image.begin() + offset);
}

uint16_t word16(const Bytes& image, size_t offset) {
    return static_cast<uint16_t>(image[offset] | image[offset + 1] << 8);
}

}  // namespace

size_t serverExtensionBytes(uint16_t serviceClass) {
    switch (serviceClass) {
        case 0x1101:  // serial port
        case 0x1103:  // dial-up networking
            return 8;
        case 0x1105:  // object push
            return 784;
        case 0x1106:  // file transfer
            return 264;
        default:
            return 0;
    }
}

Bytes serverRecord(const LocalServer& server, uint16_t mask) {
    Bytes image(kAttrRecordBytes, 0);
    putWord16(image, 0, mask);
    putWord16(image, 2, server.serviceClass);
    putName(image, kNameOffset, server.name);
    putWord16(image, kSecurityOffset, server.security);
    putWord16(image, kParamOffset, server.param);
    putWord32(image, kValueOffset, server.handle);
    if (mask & kMaskExtension) {
        Bytes block = server.extension;
        block.resize(serverExtensionBytes(server.serviceClass), 0);
        image.insert(image.end(), block.begin(), block.end());
    }
    return image;
}

Bytes remoteServiceRecord(const RemoteService& service, uint16_t mask, uint16_t status) {
    constexpr size_t kServiceNameOffset = 8, kStatusOffset = 92;
    Bytes image(kAttrRecordBytes, 0);
    putWord16(image, 0, mask);
    putWord16(image, 2, service.serviceClass);
    putWord32(image, 4, service.handle);
    putName(image, kServiceNameOffset, service.name);
    putWord16(image, kStatusOffset, status);
    if (mask & kMaskServiceExtension)
        image.insert(image.end(), service.extension.begin(), service.extension.end());
    return image;
}

Bytes connectionRecord(const Connection& connection, int64_t nowUs) {
    Bytes image(kConnectionRecordBytes, 0);
    putWord32(image, 0, connection.incoming ? 1 : 0);
    putWord32(image, 4, connection.device);
    putWord32(image, 8, connection.service);
    putWord16(image, 12, connection.serviceClass);
    putWord32(image, 16, static_cast<uint32_t>((nowUs - connection.startedUs) / 1000));
    putWord32(image, 20, connection.traffic.received(nowUs));
    putWord32(image, 24, connection.traffic.sent(nowUs));
    return image;
}

uint16_t recordMask(const Bytes& image) {
    return image.size() < kAttrRecordBytes ? 0 : word16(image, 0);
}

uint16_t recordClass(const Bytes& image) {
    return image.size() < kAttrRecordBytes ? 0 : word16(image, 2);
}

bool applyServerRecord(LocalServer& server, const Bytes& image) {
    if (image.size() < kAttrRecordBytes)
        return false;
    uint16_t mask = word16(image, 0);
    const char* name = reinterpret_cast<const char*>(&image[kNameOffset]);
    size_t nameLength = strnlen(name, kNameBytes - 1);
    if (nameLength > 0)
        server.name.assign(name, nameLength);
    if (mask & kMaskSecurity)
        server.security = word16(image, kSecurityOffset);
    server.param = word16(image, kParamOffset);
    size_t extension = serverExtensionBytes(server.serviceClass);
    if ((mask & kMaskExtension) && extension > 0 && image.size() >= kAttrRecordBytes + extension)
        server.extension.assign(image.begin() + kAttrRecordBytes,
                                image.begin() + static_cast<std::ptrdiff_t>(kAttrRecordBytes + extension));
    return true;
}

}  // namespace btserver
