// Events of the local controller that the control interface drives:
//   SetHardwareKill(b killed)     the radio's hardware kill switch: "vendor_event_ind"
//                                 (0xF1 when killed, 0xF0 when released, 0, no data);
//                                 killing it turns Bluetooth off ("bt_status" 0)
//   RaiseHardwareError(y code)    the controller fails: "hardware_error_ind" (code), and
//                                 Bluetooth is off ("bt_status" 0) until started again
#pragma once

#include <gio/gio.h>

#include <string>

namespace btserver {

class Service;

bool isStackEvent(const char* method);
// Carries out the event; the error text, or empty when done.
std::string runStackEvent(Service& service, const char* method, GVariant* args);

}  // namespace btserver
