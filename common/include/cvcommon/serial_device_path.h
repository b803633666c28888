// The serial device lookup without Qt, for programs that do not link libCvCommon (corvctl
// compiles it in from the cvcommon_serial object library).
#pragma once

#include <string>

#include "cvcommon_api.h"

// The first existing "ttyB<port>" of $CORVANE_DEVICE_DIR, /dev, $XDG_RUNTIME_DIR/corvane/dev
// and /tmp/corvane-<uid>/dev (the service's own order); empty when none exists.
CVCOMMON_API std::string CvCm_FindSerialDevice(int port);
