#include "core/call.h"

#include "core/timers.h"

namespace btserver {

Call::Call(GDBusMethodInvocation* invocation, std::optional<ReplyOverride> override, Timers& timers)
    : invocation_(invocation),
      caller_(callerOf(invocation)),
      override_(std::move(override)),
      timers_(timers) {}

Call::~Call() {
    if (invocation_)
        g_object_unref(invocation_);
}

GVariant* Call::args() const {
    return g_dbus_method_invocation_get_parameters(invocation_);
}

const GDBusMethodInfo* Call::info() const {
    return g_dbus_method_invocation_get_method_info(invocation_);
}

void Call::reply(GVariant* outputs) {
    GVariant* answer =
        override_ ? applyOverride(*override_, info(), outputs) : g_variant_take_ref(outputs);
    VariantPtr held = takeVariant(answer);
    deliver([this, held] {
        g_dbus_method_invocation_return_value(invocation_, held.get());
        invocation_ = nullptr;
    });
}

void Call::fail(const std::string& errorName, const std::string& message) {
    deliver([this, errorName, message] {
        g_dbus_method_invocation_return_dbus_error(invocation_, errorName.c_str(), message.c_str());
        invocation_ = nullptr;
    });
}

void Call::deliver(std::function<void()> send) {
    if (answered_)
        return;
    answered_ = true;
    uint32_t delay = override_ ? override_->delayMs : 0;
    if (delay == 0) {
        send();
        return;
    }
    // The pending action keeps the call alive until it answers or is cancelled.
    CallPtr self = shared_from_this();
    timers_.after(delay, [self, send] { send(); });
}

}  // namespace btserver
