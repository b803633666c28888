// What the daemon did to the stand-in service, and the service's world events.
#pragma once

#include <gio/gio.h>

#include <string>
#include <vector>

#include "harness.h"

namespace pmtest {

constexpr const char* kPower = "com.zel.corvane.Device";
constexpr const char* kLocal = "com.zel.corvane.btservice.btsdklocal";
constexpr const char* kCallback = "com.zel.corvane.btservicecbk.btsdkcbk";

corvtest::StandInService& service();
// Resets the service into the fast scenario (Bluetooth on, 10 ms switches).
void useFastWorld();
// The methods the service received, in order.
std::vector<std::string> methodsCalled();
std::vector<corvtest::RecordedCall> callsOf(const std::string& method);
bool adapterPowered();
// Calls a method of the control interface; false (with a test failure) when refused.
bool control(const char* method, GVariant* args);
void emitVendorEvent(unsigned code);
// Starts the daemon's signal listener and waits until the service's signals reach it:
// hardware errors are sent until one is queued; the queue is then emptied.
void startListener();

}  // namespace pmtest
