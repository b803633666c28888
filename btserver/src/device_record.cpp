#include "device_record.h"

#include <glib.h>

#include <algorithm>

namespace btserver {

namespace {

constexpr size_t kNameOffset = 24;
constexpr size_t kNameBytes = kDeviceRecordBytes - kNameOffset;

void putWord(Bytes& record, size_t offset, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) record[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

// The length of the longest start of the name that fits in `room` bytes and ends at a
// character boundary.
size_t fittingLength(const std::string& name, size_t room) {
    if (name.size() <= room)
        return name.size();
    const char* end = g_utf8_find_prev_char(name.c_str(), name.c_str() + room + 1);
    return end ? static_cast<size_t>(end - name.c_str()) : 0;
}

}  // namespace

Bytes deviceRecord(const RemoteDevice& device) {
    Bytes record(kDeviceRecordBytes, 0);
    putWord(record, 0, device.handle);
    std::copy(device.address.begin(), device.address.end(), record.begin() + 4);
    record[10] = device.paired;
    record[11] = device.trusted;
    putWord(record, 12, device.deviceClass);
    record[16] = static_cast<uint8_t>(device.rssi);
    record[17] = static_cast<uint8_t>(device.role);
    record[18] = device.traffic.connected();
    record[19] = device.inRange;
    putWord(record, 20, device.param);
    size_t length = fittingLength(device.name, kNameBytes - 1);
    std::copy_n(device.name.begin(), length, record.begin() + kNameOffset);
    return record;
}

}  // namespace btserver
