#include "transfer_signals.h"

#include <algorithm>
#include <cstring>

#include "transfer_wait.h"

namespace corv {

void reportStatus(BtsdkFtpStatusCallback callback, guint first, guint last, const char* filename,
                  guint filesize, guint cursize) {
    noteTransferProgress(filename);
    if (callback) {
        callback(static_cast<BTUINT8>(first & 0xFF), static_cast<BTUINT8>(last & 0xFF), filename,
                 filesize, cursize);
    }
}

void reportReceivedFile(BtsdkFtpReceiveCallback callback, GArray* record) {
    if (!callback || !record) return;
    // A record of the full size with its path NUL-terminated, whatever the signal carried.
    BtSdkFileTransferReqStru request{};
    std::memcpy(&request, record->data, std::min<size_t>(record->len, sizeof request));
    request.path[sizeof request.path - 1] = '\0';
    callback(&request);
}

}  // namespace corv
