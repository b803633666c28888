#include "records/device_record.h"

#include <algorithm>

#include "records/byte_image.h"

namespace btserver {

namespace {

constexpr size_t kNameOffset = 24;
constexpr size_t kNameBytes = kDeviceRecordBytes - kNameOffset;

}  // namespace

Bytes deviceRecord(const RemoteDevice& device) {
    Bytes record(kDeviceRecordBytes, 0);
    putWord32(record, 0, device.handle);
    std::copy(device.address.begin(), device.address.end(), record.begin() + 4);
    record[10] = device.paired;
    record[11] = device.trusted;
    putWord32(record, 12, device.deviceClass);
    record[16] = static_cast<uint8_t>(device.rssi);
    record[17] = static_cast<uint8_t>(device.link.role);
    record[18] = device.link.up;
    record[19] = device.inRange;
    putWord32(record, 20, device.param);
    putUtf8Text(record, kNameOffset, kNameBytes, device.name);
    return record;
}

}  // namespace btserver
