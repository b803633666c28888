// The contract areas that have behaviour; each adds its handlers to the service's
// dispatcher. Methods of the other areas answer their defaults.
#pragma once

#include <cstdint>

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
// The connection area.
void addConnections(Service& service);

// Sends "bt_status" on the initialisation area.
void announceStatus(Service& service, uint32_t status);

}  // namespace btserver
