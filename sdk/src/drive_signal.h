// The drive-signal thread that dispatches the default main context for applications
// that run no GLib loop of their own.
#pragma once

namespace corv {

void startDriveSignalThread();

}  // namespace corv
