// The blocking transfers of the file-transfer and object-push areas: the call, then a
// bounded wait for the service's completion signal, so that a transfer whose completion
// never comes, whose service left the bus or which stalls ends with 770.
//
// The completion and status signals name no connection. What the library can tell:
// - progress: a status report counts for a waiting transfer when its file name is one of
//   the transfer's two paths, has the base name of one, or lies under one (the files of a
//   folder transfer); a stalled transfer ends while others progress. It cannot tell apart
//   two transfers of files of the same name, nor a transfer from a device sending a file
//   of that name to this computer; a report naming no waiting transfer counts for none.
// - completion: one completion signal reaches every transfer waiting in the process. A
//   transfer that the service refused at once (its call answered a non-zero result) does
//   not take a completion of 0 as its own: that success belongs to another transfer, so
//   it returns the refusal instead.
#pragma once

#include <dbus/dbus-glib.h>

#include <functional>

#include "corvclient/btsdk_types.h"
#include "methods.h"
#include "proxy_table.h"

namespace corv {

// A status report of the area's signal, naming the file that made progress.
void noteTransferProgress(const char* filename);

struct TransferArea {
    ProxyId proxy;
    const Signal& complete;
    // Subscribes the area's status signal and declares its completion signal on the proxy
    // (called under the call mutex), so that the wait hears progress whether or not the
    // application registered a status callback.
    void (*subscribe)(DBusGProxy* proxy);
};

// Runs one blocking transfer of the paths: `call` makes the method call, storing its
// immediate result, and returns false on a D-Bus error (then the result is 770).
BTRESULT runBlockingTransfer(const TransferArea& area, const char* first, const char* second,
                             const std::function<bool(guint& immediate)>& call);

}  // namespace corv
