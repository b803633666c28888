#include "records/attribute_records.h"

#include "records/byte_image.h"
#include "world/service_classes.h"

namespace btserver {

namespace {

constexpr size_t kNameOffset = 4, kNameBytes = 80;
constexpr size_t kSecurityOffset = 84, kParamOffset = 86, kValueOffset = 92;

}  // namespace

Bytes serverRecord(const LocalServer& server, uint16_t mask) {
    Bytes image(kAttrRecordBytes, 0);
    putWord16(image, 0, mask);
    putWord16(image, 2, server.serviceClass);
    putText(image, kNameOffset, kNameBytes, server.name);
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
    putText(image, kServiceNameOffset, kNameBytes, service.name);
    putWord16(image, kStatusOffset, status);
    if (mask & kMaskServiceExtension)
        image.insert(image.end(), service.extension.begin(), service.extension.end());
    return image;
}

uint16_t recordMask(const Bytes& image) {
    return image.size() < kAttrRecordBytes ? 0 : word16At(image, 0);
}

uint16_t recordClass(const Bytes& image) {
    return image.size() < kAttrRecordBytes ? 0 : word16At(image, 2);
}

bool applyServerRecord(LocalServer& server, const Bytes& image) {
    if (image.size() < kAttrRecordBytes)
        return false;
    uint16_t mask = word16At(image, 0);
    std::string name = textAt(image, kNameOffset, kNameBytes);
    if (!name.empty())
        server.name = name;
    if (mask & kMaskSecurity)
        server.security = word16At(image, kSecurityOffset);
    server.param = word16At(image, kParamOffset);
    size_t extension = serverExtensionBytes(server.serviceClass);
    if ((mask & kMaskExtension) && extension > 0 && image.size() >= kAttrRecordBytes + extension)
        server.extension.assign(
            image.begin() + kAttrRecordBytes,
            image.begin() + static_cast<std::ptrdiff_t>(kAttrRecordBytes + extension));
    return true;
}

}  // namespace btserver
