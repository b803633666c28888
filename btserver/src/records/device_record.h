// The 116-byte remote device property record of "enum_remote_device". Multi-byte
// numbers are little endian.
//
//   offset  size  field
//        0     4  device handle
//        4     6  address, least significant byte first
//       10     1  paired (1) or not (0)
//       11     1  trusted (1) or not (0)
//       12     4  class of device
//       16     1  RSSI in dBm, signed
//       17     1  the local adapter's role on the device's link (the last one when it is
//                 down): 0 master, 1 slave
//       18     1  connected: its link is up (1) or not (0)
//       19     1  in range (1) or not (0)
//       20     4  device parameter
//       24    92  name in UTF-8, NUL-terminated and zero-filled; a longer name is cut at
//                 a character boundary
#pragma once

#include "world/remote_device.h"

namespace btserver {

constexpr size_t kDeviceRecordBytes = 116;

Bytes deviceRecord(const RemoteDevice& device);

}  // namespace btserver
