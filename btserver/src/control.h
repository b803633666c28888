// The control interface com.zel.corvane.simctl at /com/zel/corvane/simctl, for tests and
// demonstrations (not part of the service contract). Every action answers once it is done.
#pragma once

#include <functional>
#include <string>

#include "object_registry.h"
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
