#include "file_transfer_records.h"

#include <glib.h>

#include <algorithm>

namespace btserver {

namespace {

constexpr size_t kNameOffset = 4, kNameBytes = 296, kTimeOffset = 300, kAttributesOffset = 320;
constexpr size_t kPathOffset = 12, kPathBytes = 260;

void putWord32(Bytes& image, size_t offset, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) image[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t clamped(uint64_t size) {
    return static_cast<uint32_t>(std::min<uint64_t>(size, UINT32_MAX));
}

// Copies at most `room` - 1 bytes of the UTF-8 text, never splitting a character.
void putText(Bytes& image, size_t offset, size_t room, const std::string& text) {
    size_t length = std::min(text.size(), room - 1);
    while (length > 0 && length < text.size() && (static_cast<uint8_t>(text[length]) & 0xC0) == 0x80)
        --length;
    std::copy_n(text.begin(), length, image.begin() + static_cast<std::ptrdiff_t>(offset));
}

std::string timeText(int64_t seconds) {
    GDateTime* time = g_date_time_new_from_unix_utc(seconds);
    if (!time)
        return "19700101T000000Z";
    gchar* text = g_date_time_format(time, "%Y%m%dT%H%M%SZ");
    std::string result = text ? text : "";
    g_free(text);
    g_date_time_unref(time);
    return result;
}

}  // namespace

Bytes browseRecord(const BrowseEntry& entry) {
    Bytes image(kBrowseEntryBytes, 0);
    putWord32(image, 0, entry.folder ? 0 : clamped(entry.size));
    putText(image, kNameOffset, kNameBytes, entry.name);
    putText(image, kTimeOffset, kAttributesOffset - kTimeOffset, timeText(entry.modified));
    putWord32(image, kAttributesOffset, entry.folder ? kBrowseFolder : 0);
    return image;
}

Bytes receivedFileRecord(uint32_t status, uint64_t size, uint32_t device, const std::string& name) {
    Bytes image(kReceivedFileBytes, 0);
    putWord32(image, 0, clamped(size));
    putWord32(image, 4, device);
    putWord32(image, 8, status);
    putText(image, kPathOffset, kPathBytes, name);
    return image;
}

}  // namespace btserver
