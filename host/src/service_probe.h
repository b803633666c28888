// Asks the system bus whether the Bluetooth service's name has an owner. It keeps a
// private connection of its own, opened on first use and again after the bus went away,
// so it answers whatever became of the client library's connection. It blocks: an answer
// is awaited a second at most, a new connection's greeting libdbus's default reply time.
// Call it off the user-interface thread, from one thread at a time.
#pragma once

#include <dbus/dbus.h>

class ServiceProbe {
public:
    ServiceProbe() = default;
    ~ServiceProbe();
    ServiceProbe(const ServiceProbe&) = delete;
    ServiceProbe& operator=(const ServiceProbe&) = delete;

    // False also when the bus cannot be reached.
    bool serviceOnBus();

private:
    bool connect();
    void disconnect();
    DBusConnection* connection_ = nullptr;
};
