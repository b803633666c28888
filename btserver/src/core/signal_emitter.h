// Emits the contract's signals on the object path of their interface: to every receiver
// on the service's bus and, for the interfaces served on a second bus as well, there too;
// or to one client alone on the connection its call came on.
#pragma once

#include <gio/gio.h>

#include <string>
#include <vector>

#include "core/contract.h"
#include "core/recipient.h"

namespace btserver {

class SignalEmitter {
public:
    SignalEmitter(GDBusConnection* connection, const Contract& contract);
    ~SignalEmitter();
    SignalEmitter(const SignalEmitter&) = delete;
    SignalEmitter& operator=(const SignalEmitter&) = delete;

    // Sends the signals of the interface (its full name) on the second connection as well;
    // the emitter keeps a reference to the connection.
    void alsoOn(GDBusConnection* connection, const std::string& interface);

    // args is the signal's whole argument tuple; a floating reference is consumed.
    // Returns false with a message when the interface is unknown or sending fails.
    bool emit(const std::string& interface, const char* signal, GVariant* args,
              std::string* error = nullptr);
    // As emit, to the one recipient.
    bool emitTo(const Recipient& to, const std::string& interface, const char* signal,
                GVariant* args, std::string* error = nullptr);

private:
    const Area* areaOf(const std::string& interface, std::string* error) const;

    struct SecondBus {
        GDBusConnection* connection;
        std::string interface;
    };

    GDBusConnection* connection_;
    const Contract& contract_;
    std::vector<SecondBus> secondBuses_;
};

}  // namespace btserver
