// Indications of the profile areas that the control interface drives:
//   PanEvent(u event, ay data)             "signal_pan_event" (event, length, data), once a
//                                          client called register_event_cbk
//   HandsFreeMessage(u connection, q event, ay params)
//                                          "hfap_ret_msg" (connection, event, params, length)
//   GatewayMessage(u connection, q event, ay params)
//                                          "agap_ret_msg" (connection, event, params, length);
//                                          both need a registered hands-free service and a
//                                          connection of a hands-free class
//   AvEvent(u event, ay data)              "av_evt_ind" (event, data)
//   AvControl(y operation, y state)        "av_ctl_op" (operation, state); both need the
//                                          audio/video service registered
#pragma once

#include <gio/gio.h>

#include <string>

namespace btserver {

class Service;

bool isProfileEvent(const char* method);
// Sends the indication; the error text, or empty when done.
std::string runProfileEvent(Service& service, const char* method, GVariant* args);

}  // namespace btserver
