// The one table that routes every contract method call to its handler, keyed by
// (interface, method). Each call is logged and traced, then answered through the reply
// override in force; a method without a handler answers its default outputs.
#pragma once

#include <gio/gio.h>

#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/call.h"
#include "core/call_log.h"
#include "core/contract.h"
#include "core/reply_override.h"
#include "core/timers.h"
#include "core/trace.h"

namespace btserver {

using Handler = std::function<void(const CallPtr&)>;

class Dispatcher {
public:
    Dispatcher(const Contract& contract, CallLog& log, ReplyOverrides& overrides, Timers& timers,
               Trace& trace);

    // Gives a contract method its behaviour; a method the contract lacks is a build fault.
    void add(const char* interface, const char* method, Handler handler);
    // Adds each (method, function) of the interface; the function gets `target` with the call.
    template <typename Target>
    void addEach(
        const char* interface, Target& target,
        std::initializer_list<std::pair<const char*, void (*)(Target&, const CallPtr&)>> methods) {
        for (const auto& [method, function] : methods)
            add(interface, method,
                [&target, function = function](const CallPtr& call) { function(target, call); });
    }
    void dispatch(GDBusMethodInvocation* invocation);
    // Forgets the calls held without an answer.
    void dropUnanswered() { unanswered_.clear(); }

private:
    const Contract& contract_;
    CallLog& log_;
    ReplyOverrides& overrides_;
    Timers& timers_;
    Trace& trace_;
    std::map<std::pair<std::string, std::string>, Handler> handlers_;
    std::vector<CallPtr> unanswered_;
};

}  // namespace btserver
