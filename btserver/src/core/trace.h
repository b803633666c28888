// Trace records of the service's work: while the adapter's trace switch is on, each
// contract call received is announced by a "log_tester_data" signal with kind 1, a
// running number and the method's name.
#pragma once

#include <cstdint>

#include "core/signal_emitter.h"
#include "world/world.h"

namespace btserver {

class Trace {
public:
    static constexpr uint8_t kReceivedCall = 1;

    Trace(const World& world, SignalEmitter& signals);
    void received(const char* method);
    void reset();  // numbering starts again at 1

private:
    const World& world_;
    SignalEmitter& signals_;
    uint32_t next_ = 1;
};

}  // namespace btserver
