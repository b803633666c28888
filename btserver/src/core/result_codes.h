// Result codes that the service's methods return (the last output of most methods), the
// values of its "bt_status" signal and the events of "connection_event_ind".
#pragma once

#include <cstdint>

namespace btserver {

constexpr uint32_t kResultOk = 0;
constexpr uint32_t kResultFailed = 1;          // the operation could not be carried out
constexpr uint32_t kResultBadArgument = 2;     // an argument is out of range or contradicts another
constexpr uint32_t kResultBusy = 3;            // the same operation is already in progress
constexpr uint32_t kResultUnknownHandle = 4;   // nothing known has that handle, key or address
constexpr uint32_t kResultOutOfRange = 5;      // the remote device does not answer
constexpr uint32_t kResultAuthFailed = 6;      // wrong PIN, or the confirmation was refused
constexpr uint32_t kResultTimeout = 7;         // no answer, or no end, in time (pairing, exchange)
constexpr uint32_t kResultCancelled = 8;       // a name update was cancelled
constexpr uint32_t kResultNoService = 9;       // the device offers no service of that class
constexpr uint32_t kResultNotConnected = 10;   // the link that the operation needs is not up
constexpr uint32_t kResultNotRegistered = 11;  // the profile's service is not registered
constexpr uint32_t kResultLineBusy = 12;       // the number dialled answers busy
constexpr uint32_t kResultNoAnswer = 13;       // the number dialled does not answer
constexpr uint32_t kResultReadOnly = 1729;     // the remote service refuses to be written

constexpr uint32_t kStatusOff = 0;      // Bluetooth was stopped
constexpr uint32_t kStatusOn = 1;       // Bluetooth was started
constexpr uint32_t kStatusRemoved = 2;  // the adapter was unplugged

constexpr uint32_t kConnectionEventUp = 1;       // a remote device connected to a local server
constexpr uint32_t kConnectionEventDropped = 2;  // the link dropped
constexpr uint32_t kConnectionEventEnded = 3;    // a client disconnected it

}  // namespace btserver
