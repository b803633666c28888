#include "records/transfer_records.h"

#include <glib.h>

#include "records/byte_image.h"

namespace btserver {

namespace {

constexpr size_t kNameOffset = 4, kNameBytes = 296, kTimeOffset = 300, kAttributesOffset = 320;
constexpr size_t kPathOffset = 12, kPathBytes = 260;

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
    putWord32(image, 0, entry.folder ? 0 : clampedWord(entry.size));
    putUtf8Text(image, kNameOffset, kNameBytes, entry.name);
    putUtf8Text(image, kTimeOffset, kAttributesOffset - kTimeOffset, timeText(entry.modified));
    putWord32(image, kAttributesOffset, entry.folder ? kBrowseFolder : 0);
    return image;
}

Bytes receivedFileRecord(uint32_t status, uint64_t size, uint32_t device, const std::string& name) {
    Bytes image(kReceivedFileBytes, 0);
    putWord32(image, 0, clampedWord(size));
    putWord32(image, 4, device);
    putWord32(image, 8, status);
    putUtf8Text(image, kPathOffset, kPathBytes, name);
    return image;
}

}  // namespace btserver
