// The incoming connection that a file sent by a remote device (transfer_events.h) travels
// on: the device's connection to the local server of the area's class, or, when it has
// none, one that the service makes for the file as the device would connect. A
// connection made so ends, as a dropped link, once no file travels on it any more; one
// that was there before stays.
#pragma once

#include <cstdint>
#include <string>

namespace btserver {

class Service;

// The handle of the local server that files of the class come to (the first of the
// class), or 0 with the error text when the area has none.
uint32_t incomingServer(Service& service, uint16_t serviceClass, std::string& error);
// The connection, or 0 with the error text when none can be made: the area has no local
// server, the first of its class is stopped, or the device is out of range.
uint32_t incomingLinkFor(Service& service, uint32_t device, uint16_t serviceClass,
                         std::string& error);
// A file sent on the connection is over: a connection made for files ends
// ("connection_event_ind" 2) unless another file still travels on it.
void releaseIncomingLink(Service& service, uint32_t connection);

}  // namespace btserver
