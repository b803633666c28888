// The file-transfer area on the session bus as well. The client library's file-transfer
// signal thread makes its file-transfer proxy on a private connection to the session bus,
// so where the session bus is another bus than the service's own, the service owns its
// name there too, answers the file-transfer methods with the same world (through the same
// dispatcher, call log and reply overrides) and sends the file-transfer signals on both
// buses.
#pragma once

#include <gio/gio.h>

#include <memory>
#include <string>

#include "bus/object_registry.h"

namespace btserver {

class Service;

class SessionBus {
public:
    SessionBus() = default;
    ~SessionBus();  // gives the name back and closes the connection
    SessionBus(const SessionBus&) = delete;
    SessionBus& operator=(const SessionBus&) = delete;

    // Serves the area on the bus at the address, unless that is the bus of `own` (the
    // service's connection). False with a message when the bus cannot be reached or the
    // name is another peer's there.
    bool serve(Service& service, GDBusConnection* own, const std::string& address,
               std::string& error);
    bool serving() const { return connection_ != nullptr; }

private:
    GDBusConnection* connection_ = nullptr;
    std::unique_ptr<ObjectRegistry> registry_;
};

}  // namespace btserver
