// Emits the contract's signals on the object path of their interface.
#pragma once

#include <gio/gio.h>

#include <string>

#include "contract.h"

namespace btserver {

class SignalEmitter {
public:
    SignalEmitter(GDBusConnection* connection, const Contract& contract);

    // args is the signal's whole argument tuple; a floating reference is consumed.
    // Returns false with a message when the interface is unknown or sending fails.
    bool emit(const std::string& interface, const char* signal, GVariant* args,
              std::string* error = nullptr);

private:
    GDBusConnection* connection_;
    const Contract& contract_;
};

}  // namespace btserver
