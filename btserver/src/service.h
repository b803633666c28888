// The simulated Bluetooth service: the world it keeps, the contract methods with their
// behaviour, and what the control interface acts on (call log, reply overrides, pending
// answers).
#pragma once

#include <gio/gio.h>

#include <string>

#include "call_log.h"
#include "contract.h"
#include "dispatcher.h"
#include "file_transfer_sessions.h"
#include "reply_override.h"
#include "signal_emitter.h"
#include "timers.h"
#include "trace.h"
#include "world/world.h"

namespace btserver {

class Service {
public:
    Service(GDBusConnection* connection, World scenario, std::string stateDir);
    Service(const Service&) = delete;
    Service& operator=(const Service&) = delete;

    const Contract& contract() const { return contract_; }
    World& world() { return world_; }
    const World& scenario() const { return scenario_; }
    const std::string& stateDir() const { return stateDir_; }
    Timers& timers() { return timers_; }
    Dispatcher& dispatcher() { return dispatcher_; }
    SignalEmitter& signals() { return signals_; }
    CallLog& calls() { return calls_; }
    ReplyOverrides& overrides() { return overrides_; }
    TransferSessions& transfers() { return transfers_; }

    // Back to the scenario's world: no call log, no overrides, no pending answers; the
    // stored shortcuts are the scenario's; transfers stop and the devices' folders are
    // copied afresh.
    void reset();
    void useScenario(World scenario);
    // Writes the world's shortcuts to the state folder (a failure is logged).
    void storeShortcuts();

private:
    Contract contract_;
    SignalEmitter signals_;
    World scenario_;
    World world_;
    std::string stateDir_;
    CallLog calls_;
    ReplyOverrides overrides_;
    Timers timers_;
    Trace trace_;
    Dispatcher dispatcher_;
    TransferSessions transfers_{*this};  // last: it acts on the members above
};

}  // namespace btserver
