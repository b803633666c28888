// The progress line of a transfer, fed by the library's status reports: bytes so far,
// rate and time left, rewritten in place on standard error.
#pragma once

#include "corvclient/btsdk_types.h"

namespace corvctl {

// A status callback for Btsdk_FTPRegisterStatusCallback and Btsdk_OPPRegisterStatusCallback.
void showProgress(BTUINT8 first, BTUINT8 last, const char* filename, BTUINT32 filesize,
                  BTUINT32 cursize);

}  // namespace corvctl
