#include "records/connection_record.h"

#include "records/byte_image.h"

namespace btserver {

Bytes connectionRecord(const Connection& connection, int64_t nowUs) {
    Bytes image(kConnectionRecordBytes, 0);
    putWord32(image, 0, connection.incoming ? 1 : 0);
    putWord32(image, 4, connection.device);
    putWord32(image, 8, connection.service);
    putWord16(image, 12, connection.serviceClass);
    putWord32(image, 16, static_cast<uint32_t>((nowUs - connection.startedUs) / 1000));
    Traffic carried = connection.traffic(nowUs);
    putWord32(image, 20, static_cast<uint32_t>(carried.received));
    putWord32(image, 24, static_cast<uint32_t>(carried.sent));
    return image;
}

}  // namespace btserver
