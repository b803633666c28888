#include "core/dispatcher.h"

#include "core/default_reply.h"

namespace btserver {

Dispatcher::Dispatcher(const Contract& contract, CallLog& log, ReplyOverrides& overrides,
                       Timers& timers, Trace& trace)
    : contract_(contract), log_(log), overrides_(overrides), timers_(timers), trace_(trace) {}

void Dispatcher::add(const char* interface, const char* method, Handler handler) {
    if (!contract_.method(interface, method))
        g_error("no method %s.%s in the contract", interface, method);
    handlers_[{interface, method}] = std::move(handler);
}

void Dispatcher::dispatch(GDBusMethodInvocation* invocation) {
    const char* interface = g_dbus_method_invocation_get_interface_name(invocation);
    const char* method = g_dbus_method_invocation_get_method_name(invocation);
    GDBusMessage* message = g_dbus_method_invocation_get_message(invocation);
    const char* signature = g_dbus_message_get_signature(message);
    log_.add(interface, method, signature ? signature : "",
             g_dbus_method_invocation_get_parameters(invocation));
    trace_.received(method);

    auto call = std::make_shared<Call>(invocation, overrides_.take(interface, method), timers_);
    const std::optional<ReplyOverride>& override = call->override();
    if (override && override->noReply) {
        unanswered_.push_back(call);
    } else if (override && !override->error.empty()) {
        call->fail(override->error, override->message);
    } else if (override && override->reply) {
        call->reply(g_variant_ref(override->reply.get()));
    } else {
        auto handler = handlers_.find({interface, method});
        if (handler != handlers_.end()) {
            handler->second(call);
        } else {
            call->reply(defaultOutputs(call->info()));
        }
    }
}

}  // namespace btserver
