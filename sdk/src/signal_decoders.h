// What the signal handlers hand to callbacks, made from a signal's arguments alone. No
// length word of the service sizes a block or a copy beyond the bytes that came, and
// every text handed on ends within its field.
#pragma once

#include <glib.h>

#include <cstddef>
#include <vector>

#include "corvclient/btsdk_ftp.h"
#include "corvclient/btsdk_types.h"

namespace corv {

// The smallest block handed for an array whose record size the service defines: room for
// the largest fixed record a callback of the general events reads (a 28-byte connection
// property record, a 16-byte link key).
constexpr size_t kEventBlockMin = 32;

// An array handed as a bare pointer: its bytes in a zero-filled block of at least
// `minimum` bytes, so a callback reading the record it expects never reads past what came.
class SignalBytes {
public:
    SignalBytes(const GArray* array, size_t minimum);
    BTUINT8* data() { return bytes_.data(); }
    size_t size() const { return bytes_.size(); }

private:
    std::vector<BTUINT8> bytes_;
};

// A browse entry: the array's first 324 bytes, zero past a shorter array's end, name and
// time ending within their fields (cut in whole characters).
FTP_FIND_DATA browseEntry(const GArray* entry);

// A received-file record of the full size, its path ending within its field (cut in whole
// characters).
BtSdkFileTransferReqStru receivedFileRecord(const GArray* record);

// A PAN event's bytes: as many as the length word says, but never more than came, nor
// more than the 16-bit length the callback is told can say.
std::vector<BTUINT8> panEventBlock(const GArray* data, guint length);

// The 16-bit length a hands-free indication's callback is told: the length word's low 16
// bits, never more than the bytes that came.
BTUINT16 indicationLength(const GArray* param, guint length);

}  // namespace corv
