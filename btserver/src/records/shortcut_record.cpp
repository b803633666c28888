#include "records/shortcut_record.h"

#include "records/byte_image.h"

namespace btserver {

namespace {

constexpr size_t kConnection = 4, kDevice = 8, kService = 12, kShortText = 18, kClass = 24,
                 kMask = 26, kName = 28, kSecondName = 128, kServiceName = 192, kDeviceClass = 272,
                 kBlockLength = 278;
constexpr size_t kFlagOffsets[4] = {16, 17, 276, 277};
// The text fields with their sizes, the terminating NUL included.
constexpr size_t kShortTextBytes = 6, kNameBytes = kShortcutMaxNameBytes + 1, kSecondNameBytes = 64,
                 kServiceNameBytes = 80;

}  // namespace

Bytes shortcutRecord(const Shortcut& shortcut) {
    Bytes image(kShortcutHeaderBytes, 0);
    putWord32(image, 0, shortcut.handle);
    putWord32(image, kConnection, shortcut.connection);
    putWord32(image, kDevice, shortcut.device);
    putWord32(image, kService, shortcut.service);
    for (size_t i = 0; i < shortcut.flags.size(); ++i) image[kFlagOffsets[i]] = shortcut.flags[i];
    putText(image, kShortText, kShortTextBytes, shortcut.shortText);
    putWord16(image, kClass, shortcut.serviceClass);
    putWord16(image, kMask, shortcut.mask);
    putText(image, kName, kNameBytes, shortcut.name);
    putText(image, kSecondName, kSecondNameBytes, shortcut.secondName);
    putText(image, kServiceName, kServiceNameBytes, shortcut.serviceName);
    putWord32(image, kDeviceClass, shortcut.deviceClass);
    putWord16(image, kBlockLength, static_cast<uint16_t>(shortcut.block.size()));
    image.insert(image.end(), shortcut.block.begin(), shortcut.block.end());
    return image;
}

bool readShortcutHeader(const Bytes& image, Shortcut& out) {
    if (image.size() < kShortcutHeaderBytes)
        return false;
    out.handle = word32At(image, 0);
    out.connection = word32At(image, kConnection);
    out.device = word32At(image, kDevice);
    out.service = word32At(image, kService);
    for (size_t i = 0; i < out.flags.size(); ++i) out.flags[i] = image[kFlagOffsets[i]];
    out.shortText = textAt(image, kShortText, kShortTextBytes);
    out.serviceClass = word16At(image, kClass);
    out.mask = word16At(image, kMask);
    out.name = textAt(image, kName, kNameBytes);
    out.secondName = textAt(image, kSecondName, kSecondNameBytes);
    out.serviceName = textAt(image, kServiceName, kServiceNameBytes);
    out.deviceClass = word32At(image, kDeviceClass);
    return true;
}

uint16_t blockCapacity(const Bytes& image) {
    if (image.size() < kShortcutHeaderBytes || !(word16At(image, kMask) & kShortcutMaskBlock))
        return 0;
    return word16At(image, kBlockLength);
}

bool carriedBlock(const Bytes& image, Bytes& out) {
    size_t length = blockCapacity(image);
    if (length == 0 || image.size() < kShortcutHeaderBytes + length)
        return false;
    auto start = image.begin() + static_cast<std::ptrdiff_t>(kShortcutHeaderBytes);
    out.assign(start, start + static_cast<std::ptrdiff_t>(length));
    return true;
}

}  // namespace btserver
