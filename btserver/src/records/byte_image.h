// The fields of the byte images that records travel as: little-endian numbers of one to
// four bytes, lists of 4-byte handles, and NUL-terminated texts in fields of fixed size.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "world/bluetooth_types.h"

namespace btserver {

// Numbers at an offset, least significant byte first.
inline void putWord16(Bytes& image, size_t offset, uint16_t value) {
    image[offset] = static_cast<uint8_t>(value);
    image[offset + 1] = static_cast<uint8_t>(value >> 8);
}
inline void putWord32(Bytes& image, size_t offset, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) image[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}
inline uint16_t word16At(const Bytes& image, size_t offset) {
    return static_cast<uint16_t>(image[offset] | image[offset + 1] << 8);
}
inline uint32_t word32At(const Bytes& image, size_t offset) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i) value |= uint32_t{image[offset + i]} << (8 * i);
    return value;
}

// Appends a 4-byte word, as lists of handles carry them.
inline void appendWord(Bytes& image, uint32_t value) {
    image.resize(image.size() + 4);
    putWord32(image, image.size() - 4, value);
}

// A size as a 32-bit field holds it: at most 0xFFFFFFFF.
inline uint32_t clampedWord(uint64_t size) {
    return static_cast<uint32_t>(std::min<uint64_t>(size, UINT32_MAX));
}

// Copies the text into the field of `room` bytes at the offset, cut to `room` - 1 bytes so
// that a NUL ends it.
inline void putText(Bytes& image, size_t offset, size_t room, const std::string& text) {
    std::copy_n(text.begin(), std::min(text.size(), room - 1),
                image.begin() + static_cast<std::ptrdiff_t>(offset));
}

// The same for a UTF-8 text, never cutting it inside a character.
inline void putUtf8Text(Bytes& image, size_t offset, size_t room, const std::string& text) {
    size_t length = std::min(text.size(), room - 1);
    while (length > 0 && length < text.size() &&
           (static_cast<uint8_t>(text[length]) & 0xC0) == 0x80)
        --length;
    putText(image, offset, length + 1, text);
}

// The text of the field of `room` bytes at the offset, up to its first NUL.
inline std::string textAt(const Bytes& image, size_t offset, size_t room) {
    const char* start = reinterpret_cast<const char*>(&image[offset]);
    return std::string(start, strnlen(start, room - 1));
}

}  // namespace btserver
