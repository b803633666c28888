#include "shortcut_record.h"

#include <algorithm>
#include <cstring>

namespace btserver {

namespace {

constexpr size_t kConnection = 4, kDevice = 8, kService = 12, kShortText = 18, kClass = 24,
                 kMask = 26, kName = 28, kSecondName = 128, kServiceName = 192, kDeviceClass = 272,
                 kBlockLength = 278;
constexpr size_t kFlagOffsets[4] = {16, 17, 276, 277};
// The text fields with their sizes, the terminating NUL included.
constexpr size_t kShortTextBytes = 6, kNameBytes = kShortcutMaxNameBytes + 1, kSecondNameBytes = 64,
                 kServiceNameBytes = 80;

void putWord(Bytes& image, size_t offset, uint32_t value, size_t width) {
    for (size_t i = 0; i < width; ++i) image[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t word(const Bytes& image, size_t offset, size_t width) {
    uint32_t value = 0;
    for (size_t i = 0; i < width; ++i) value |= uint32_t{image[offset + i]} << (8 * i);
    return value;
}

void putText(Bytes& image, size_t offset, size_t size, const std::string& text) {
    std::copy_n(text.begin(), std::min(text.size(), size - 1), image.begin() + offset);
}

std::string text(const Bytes& image, size_t offset, size_t size) {
    const char* start = reinterpret_cast<const char*>(&image[offset]);
    return std::string(start, strnlen(start, size - 1));
}

}  // namespace

Bytes shortcutRecord(const Shortcut& shortcut) {
    Bytes image(kShortcutHeaderBytes, 0);
    putWord(image, 0, shortcut.handle, 4);
    putWord(image, kConnection, shortcut.connection, 4);
    putWord(image, kDevice, shortcut.device, 4);
    putWord(image, kService, shortcut.service, 4);
    for (size_t i = 0; i < shortcut.flags.size(); ++i) image[kFlagOffsets[i]] = shortcut.flags[i];
    putText(image, kShortText, kShortTextBytes, shortcut.shortText);
    putWord(image, kClass, shortcut.serviceClass, 2);
    putWord(image, kMask, shortcut.mask, 2);
    putText(image, kName, kNameBytes, shortcut.name);
    putText(image, kSecondName, kSecondNameBytes, shortcut.secondName);
    putText(image, kServiceName, kServiceNameBytes, shortcut.serviceName);
    putWord(image, kDeviceClass, shortcut.deviceClass, 4);
    putWord(image, kBlockLength, static_cast<uint32_t>(shortcut.block.size()), 2);
    image.insert(image.end(), shortcut.block.begin(), shortcut.block.end());
    return image;
}

bool readShortcutHeader(const Bytes& image, Shortcut& out) {
    if (image.size() < kShortcutHeaderBytes)
        return false;
    out.handle = word(image, 0, 4);
    out.connection = word(image, kConnection, 4);
    out.device = word(image, kDevice, 4);
    out.service = word(image, kService, 4);
    for (size_t i = 0; i < out.flags.size(); ++i) out.flags[i] = image[kFlagOffsets[i]];
    out.shortText = text(image, kShortText, kShortTextBytes);
    out.serviceClass = static_cast<uint16_t>(word(image, kClass, 2));
    out.mask = static_cast<uint16_t>(word(image, kMask, 2));
    out.name = text(image, kName, kNameBytes);
    out.secondName = text(image, kSecondName, kSecondNameBytes);
    out.serviceName = text(image, kServiceName, kServiceNameBytes);
    out.deviceClass = word(image, kDeviceClass, 4);
    return true;
}

uint16_t blockCapacity(const Bytes& image) {
    if (image.size() < kShortcutHeaderBytes || !(word(image, kMask, 2) & kShortcutMaskBlock))
        return 0;
    return static_cast<uint16_t>(word(image, kBlockLength, 2));
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
