// The contract areas that have behaviour; each adds its handlers to the service's
// dispatcher. Methods of the other areas answer their defaults.
#pragma once

#include <cstdint>

#include "call.h"

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
// The shortcut area.
void addShortcuts(Service& service);
// The file-transfer area in parts: folders of a connected device (moving, listing,
// deleting, making), transfers to and from it, and the local server.
void addFileTransferFolders(Service& service);
void addFileTransferCopies(Service& service);
void addFileTransferServer(Service& service);
// The object-push area.
void addObjectPush(Service& service);
// The profile areas: serial port, dial-up, PAN, hands-free, audio/video and HID.
void addSerialPort(Service& service);
void addDialUp(Service& service);
void addPan(Service& service);
void addHandsFree(Service& service);
void addAudioVideo(Service& service);
void addHid(Service& service);

// The power interface com.zel.corvane.Device: "suspend" and "resume".
void addPowerArea(Service& service);

// Turns Bluetooth on or off after the scenario's while, reports it with "bt_status" and
// answers the call with result 0; already there, it answers at once.
void switchPower(Service& service, const CallPtr& call, bool on);
// Sends "bt_status" on the initialisation area.
void announceStatus(Service& service, uint32_t status);

}  // namespace btserver
