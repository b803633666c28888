// The wait of a blocking transfer for the service's completion signal: bounded, so that
// a transfer whose completion never comes, or whose service left the bus, ends with 770.
#pragma once

#include <atomic>

#include "corvclient/btsdk_types.h"
#include "proxy_table.h"

namespace corv {

// Progress reports of any transfer; each one starts the idle time of a waiting transfer
// again.
void noteTransferProgress();

class TransferWait {
public:
    // Connects to the completion signal (already declared on the proxy).
    TransferWait(ProxyId proxy, const char* completeSignal);
    ~TransferWait();
    TransferWait(const TransferWait&) = delete;
    TransferWait& operator=(const TransferWait&) = delete;

    // The completion signal's result, or 770 when the service is gone or idle too long.
    BTRESULT wait();

    // Wakes the wait from outside (it goes on waiting unless the transfer completed).
    void wake();

private:
    static void onComplete(DBusGProxy*, guint result, gpointer self);
    bool serviceOnBus() const;

    ProxyId proxy_;
    const char* signal_;
    GMutex mutex_;
    GCond cond_;
    bool done_ = false;
    guint result_ = 0;
};

}  // namespace corv
