// The control interface com.zel.corvane.simctl at /com/zel/corvane/simctl, the main
// header of control/: for tests and demonstrations, not part of the service contract.
// It resets the world or loads a scenario, emits any contract signal, overrides replies,
// reads back the calls received, and drives the world events of remote devices
// (device_events.h), the local controller (stack_events.h), the profiles
// (profile_events.h) and files that devices send (transfer_events.h) over incoming
// connections (incoming_links.h). Every action answers once it is done. It builds on the
// whole service: core/, world/, areas/, profiles/ and transfers/.
#pragma once

#include <functional>
#include <string>

#include "bus/object_registry.h"
#include "service.h"

namespace btserver {

class Control {
public:
    // quit is called after the answer to Quit() is sent.
    Control(Service& service, std::function<void()> quit);
    ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    bool serve(ObjectRegistry& registry, std::string& error);

private:
    void handle(GDBusMethodInvocation* invocation);
    GVariant* adapter() const;
    // Each returns the error text, or empty on success.
    std::string loadScenario(GVariant* args);
    std::string emitSignal(GVariant* args);
    std::string emitUntypedSignal(GVariant* args);
    std::string setReply(GVariant* args);

    Service& service_;
    std::function<void()> quit_;
    GDBusNodeInfo* node_;
};

}  // namespace btserver
