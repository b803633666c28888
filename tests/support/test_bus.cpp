#include <cstdio>
#include <cstdlib>

#include "harness.h"

namespace corvtest {

TestBus& TestBus::instance() {
    static TestBus bus;
    return bus;
}

TestBus::TestBus() {
    if (!bus_.started()) {
        std::fprintf(stderr, "corvtest: dbus-daemon did not start (is it installed?)\n");
        std::abort();
    }
    setenv("DBUS_SYSTEM_BUS_ADDRESS", bus_.address().c_str(), 1);
    setenv("DBUS_SESSION_BUS_ADDRESS", bus_.address().c_str(), 1);
}

TestBus::~TestBus() { stop(); }

void TestBus::stop() { bus_.stop(); }

bool TestBus::restart() { return bus_.start(); }

}  // namespace corvtest
