#include "transfer_signals.h"


#include "signal_decoders.h"
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
    BtSdkFileTransferReqStru request = receivedFileRecord(record);
    callback(&request);
}

}  // namespace corv
