// The handlers shared by the file-transfer and object-push signals: a status report
// and a received file, each calling the area's registered function.
#pragma once

#include <dbus/dbus-glib.h>

#include "corvclient/btsdk_ftp.h"

namespace corv {

// Calls the status callback (first and last narrowed to 8 bits) and notes progress for
// the waiting transfer.
void reportStatus(BtsdkFtpStatusCallback callback, guint first, guint last, const char* filename,
                  guint filesize, guint cursize);

// Calls the received-file callback with the record's bytes, when both are there.
void reportReceivedFile(BtsdkFtpReceiveCallback callback, GArray* record);

}  // namespace corv
