// The bus connection of the service and its well-known name "com.zel.corvane".
#pragma once

#include <gio/gio.h>

#include <string>

namespace btserver {

constexpr const char* kBusName = "com.zel.corvane";

// $DBUS_SYSTEM_BUS_ADDRESS, else the system bus's usual address.
std::string systemBusAddress();
// A message-bus connection to the address; null with a message when it cannot be made.
GDBusConnection* connectToBus(const std::string& address, std::string& error);
// Asks for the name without queueing; false with a message when another peer has it.
bool ownName(GDBusConnection* connection, std::string& error);
void releaseName(GDBusConnection* connection);

}  // namespace btserver
