// World events of remote devices that the control interface drives:
//   SetInRange(s device, b in_range)       the device comes into range or leaves it
//   SetConnected(s device, b connected)    it opens a link with no connection on it, which
//                                          stays up until this ends it; ending it drops the
//                                          device's connections ("connection_event_ind" 2)
//   SetRssi(s device, i rssi)              its signal strength, -128 to 127 dBm
//   RequestAuthorization(s device, u service)
//                                          it asks for the service: "authorization_request_ind"
//                                          (service, device), answered by "authorization_response"
//   RequestConnection(s device, u service, y role)
//                                          it asks to connect: "connection_request_ind"
//                                          (device, service, role)
//   ConnectToServer(s device, u server)    it connects to a running local server, which is
//                                          then in use, from within range:
//                                          "connection_event_ind" (connection, 1, property
//                                          record); a server takes any number of these
// The device is named by its scenario ID or by its handle in decimal.
#pragma once

#include <gio/gio.h>

#include <string>

namespace btserver {

class Service;

struct RemoteDevice;
struct World;

// The device by its scenario ID or by its handle in decimal; null when none.
RemoteDevice* namedDevice(World& world, const char* name);

bool isDeviceEvent(const char* method);
// Carries out the event; the error text, or empty when done.
std::string runDeviceEvent(Service& service, const char* method, GVariant* args);

}  // namespace btserver
