// A private dbus-daemon on which any peer may own any name, listening on a socket in a
// temporary folder of its own. It can be stopped and started again on the same socket, so
// a test can take the bus away and bring it back at the same address. Make it from the
// main thread: the daemon dies with the thread that started it.
#pragma once

#include <gio/gio.h>

#include <string>

#include "child_process.h"

namespace corvtest {

class PrivateBus {
public:
    PrivateBus();  // starts the daemon; started() tells whether it came up
    ~PrivateBus();
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    bool start();  // (again) on the same socket; whether it came up
    void stop();   // SIGTERM, then SIGKILL if it lingers
    bool started() const { return !address_.empty(); }

    const std::string& address() const { return address_; }
    // A new connection to the bus, the caller's to release; null (and a test failure) when
    // the bus cannot be reached.
    GDBusConnection* connect() const;

private:
    std::string dir_, address_;
    ChildProcess daemon_;
};

}  // namespace corvtest
