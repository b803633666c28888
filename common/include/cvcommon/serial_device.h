// Where a serial connection's device can be opened. The service publishes each serial
// connection as "ttyB<port>" in its device folder: /dev when it may write there, else a
// folder of the user's. A user's terminal program needs the path that really exists.
#pragma once

#include <QString>

#include "cvcommon_api.h"

// The first existing "ttyB<port>" of $CORVANE_DEVICE_DIR, /dev, $XDG_RUNTIME_DIR/corvane/dev
// and /tmp/corvane-<uid>/dev (the service's own order). While none exists (a server no
// device uses yet): "ttyB<port>" in $CORVANE_DEVICE_DIR when set, else in /dev.
CVCOMMON_API QString CvCm_GetSerialDevicePath(int port);
