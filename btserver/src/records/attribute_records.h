// The attribute records of local servers and remote services: 96 bytes, followed by the
// extension block when the record's mask asks for it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "world/local_server.h"
#include "world/remote_device.h"

namespace btserver {

constexpr size_t kAttrRecordBytes = 96;
constexpr uint16_t kMaskSecurity = 0x0002;          // local server: the security word
constexpr uint16_t kMaskExtension = 0x0008;         // local server: the extension block
constexpr uint16_t kMaskServiceExtension = 0x0002;  // remote service: the extension block

// The record of the server with `mask` in its mask field; the extension block follows
// when the mask has kMaskExtension. The server value (offset 92) is the server handle.
Bytes serverRecord(const LocalServer& server, uint16_t mask);

// The record of the remote service with `mask` in its mask field, the service handle as
// its value (offset 4) and `status` (offset 92); the service's extension block follows
// when the mask has kMaskServiceExtension.
Bytes remoteServiceRecord(const RemoteService& service, uint16_t mask, uint16_t status);

// The mask and service class of a request image (0 when it is shorter than a record).
uint16_t recordMask(const Bytes& image);
uint16_t recordClass(const Bytes& image);

// Takes from an image what its mask names: the security word (kMaskSecurity) and the
// extension block (kMaskExtension, when the image carries it whole); the name when it is
// not empty, and the second parameter word. False when the image is shorter than a record.
bool applyServerRecord(LocalServer& server, const Bytes& image);

}  // namespace btserver
