// The 28-byte property record of a connection.
#pragma once

#include <cstddef>
#include <cstdint>

#include "world/world.h"

namespace btserver {

constexpr size_t kConnectionRecordBytes = 28;

// The record of the connection at the monotonic time: flags (bits 0-1: 1 for an incoming
// connection, 0 for an outgoing one), device, service, service class, duration in ms,
// bytes received, bytes sent (the counters wrap at 32 bits).
Bytes connectionRecord(const Connection& connection, int64_t nowUs);

}  // namespace btserver
