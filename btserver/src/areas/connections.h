// Making and ending profile connections; the device's link (device_links.h) and a local
// server's "in use" status follow them. A connection of file transfer or object push
// carries what its transfers move; any other carries its device's steady flow
// (flowPerSecond) while it lasts.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/result_codes.h"
#include "world/bluetooth_types.h"

namespace btserver {

class Service;
struct Connection;
struct World;

// The COM port that a connect parameter block asks for: the 16-bit word at offset 6 of
// the 8-byte block of a serial-type class; 0 (the next free port) otherwise.
uint32_t requestedPort(uint16_t serviceClass, const Bytes& parameters);
// Connects to the known device's service of the class (the one of that handle when
// `serviceHandle` is not 0, as a shortcut names it) after the scenario's while, then
// calls `done` with the new connection (0 when none) and the result: 5 when the device is
// out of range, 9 when it offers no service of the class, 1 when the service does not
// answer, 3 when another connection has the port asked for. A serial-type connection gets
// the port, or the next free one for 0. A connection that is still up after `done` is told to the clients:
// "connection_complete_ind" (connection). False, starting nothing, when the device is
// unknown.
bool connectService(Service& service, uint32_t device, uint16_t serviceClass, uint32_t port,
                    std::function<void(uint32_t connection, uint32_t result)> done,
                    uint32_t serviceHandle = 0);
// Why the device cannot connect to the local server (none such, stopped, the device out
// of range), or empty when it can.
std::string incomingRefusal(World& world, uint32_t device, uint32_t server);
// A remote device in range connects to a running local server: the server is then in use.
// The error text, or empty when done.
std::string acceptIncoming(World& world, uint32_t device, uint32_t server);
// acceptIncoming, told to the clients: "connection_event_ind" (connection, 1, property
// record). The new connection, or 0 with the error text.
uint32_t connectIncoming(Service& service, uint32_t device, uint32_t server, std::string& error);
// Connects the devices that the scenario's servers name (connectedAtStart) to them.
void connectScenarioDevices(World& world);
// How a connection ended, as "connection_event_ind" tells the clients.
enum class Ending : uint32_t { Dropped = kConnectionEventDropped, Disconnected = kConnectionEventEnded };
// Ends the connection; false when there is none. The shortcuts connected through it are
// no longer. The clients are told how it ended ("connection_event_ind" with the
// connection's last property record), so every client's view follows it.
bool endConnection(Service& service, uint32_t handle, Ending ending);
// Ends the connections that `which` picks, each as a dropped link.
void dropConnections(Service& service, const std::function<bool(const Connection&)>& which);
// Ends the remote devices' connections to the local server, each as a dropped link.
void dropServerConnections(Service& service, uint32_t server);
// Ends the remote devices' connections to the local server, then removes it.
void removeServer(Service& service, uint32_t server);

}  // namespace btserver
