// The contract areas of the stack itself, the main header of areas/: initialisation,
// the local adapter, remote devices (properties, names, lists, inquiry, pairing),
// security, the service area (local servers, remote services), connections, shortcuts
// and the power interface. Each adds its handlers to the service's dispatcher; methods
// without behaviour answer their defaults. The areas build on core/ (dispatch, calls,
// signals, timers), world/ (what they act on), records/ (the images they answer) and
// state/ (the shortcuts and settings files kept in the state folder). The other parts
// make and end connections through connections.h, hold devices' links through
// device_links.h and ask the user's authorisation through authorizations.h.
#pragma once

#include <cstdint>

#include "core/call.h"

namespace btserver {

class Service;

void addInitArea(Service& service);
void addLocalArea(Service& service);
// The remote-device area in parts: known devices and their properties, names, lists
// and enumerations, inquiry, pairing.
void addRemoteDevices(Service& service);
void addDeviceNames(Service& service);
void addDeviceLists(Service& service);
void addInquiry(Service& service);
void addPairing(Service& service);
void addSecurityArea(Service& service);
// The service area's local servers: listing, adding, attributes, start and stop.
void addLocalServers(Service& service);
// The service area's remote services: browsing a device, enumerating and reading them.
void addRemoteServices(Service& service);
void addConnections(Service& service);
void addShortcuts(Service& service);
// The power interface com.zel.corvane.Device: "suspend" and "resume".
void addPowerArea(Service& service);

// Turns Bluetooth on or off after the scenario's while, reports it with "bt_status" and
// answers the call with result 0; already there, it answers at once.
void switchPower(Service& service, const CallPtr& call, bool on);
// Sends "bt_status" on the initialisation area.
void announceStatus(Service& service, uint32_t status);

}  // namespace btserver
