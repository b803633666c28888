// One received contract method call. It is answered once, by its handler's outputs or an
// error, after the reply override in force when it arrived; a call dropped unanswered
// (no-reply override, reset) releases its invocation without sending anything.
#pragma once

#include <gio/gio.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/recipient.h"
#include "core/reply_override.h"

namespace btserver {

class Timers;

class Call : public std::enable_shared_from_this<Call> {
public:
    Call(GDBusMethodInvocation* invocation, std::optional<ReplyOverride> override, Timers& timers);
    ~Call();
    Call(const Call&) = delete;
    Call& operator=(const Call&) = delete;

    GVariant* args() const;  // the argument tuple
    const GDBusMethodInfo* info() const;
    const std::optional<ReplyOverride>& override() const { return override_; }
    // Who made the call, known after the answer too (for signals that follow it).
    const Recipient& caller() const { return caller_; }

    // Answers with the out tuple (a floating reference is consumed).
    void reply(GVariant* outputs);
    void fail(const std::string& errorName, const std::string& message);

private:
    void deliver(std::function<void()> send);

    GDBusMethodInvocation* invocation_;  // null once the answer is sent
    Recipient caller_;
    bool answered_ = false;  // an answer is sent or on its way
    std::optional<ReplyOverride> override_;
    Timers& timers_;
};

using CallPtr = std::shared_ptr<Call>;

}  // namespace btserver
