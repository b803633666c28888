// The simulated Bluetooth service: the world it keeps, the contract methods with their
// behaviour, and what the control interface acts on (call log, reply overrides, pending
// answers). It puts the parts together, each a folder with a main header that says what
// it offers:
//   core/       the contract, the dispatcher, calls, reply overrides, signals, timers
//   world/      the world model and the scenario files it starts from
//   records/    the byte images of the records that travel on the bus
//   state/      the state folder: device trees, stored shortcuts, settings files
//   areas/      the contract areas of the stack itself, and the connections
//   profiles/   the profile areas
//   transfers/  file transfer and object push
//   serial/     the pseudo-terminals of serial-type connections and their far ends
//   control/    the control interface com.zel.corvane.simctl and its world events
//   bus/        the bus connections: the name, the served objects, the session bus
// main.cpp serves the service on its buses for its lifetime; simctl/ is the tool bt_simctl.
#pragma once

#include <gio/gio.h>

#include <string>

#include "areas/authorizations.h"
#include "core/call_log.h"
#include "core/contract.h"
#include "core/dispatcher.h"
#include "core/reply_override.h"
#include "core/signal_emitter.h"
#include "core/timers.h"
#include "core/trace.h"
#include "serial/serial_lines.h"
#include "transfers/transfer_sessions.h"
#include "world/world.h"

namespace btserver {

class Service {
public:
    Service(GDBusConnection* connection, World scenario, std::string stateDir,
            std::string deviceDir);
    Service(const Service&) = delete;
    Service& operator=(const Service&) = delete;

    const Contract& contract() const { return contract_; }
    // The same object for the service's life (a reset assigns it the scenario's value), so
    // handlers may keep a reference to it.
    World& world() { return world_; }
    const World& scenario() const { return scenario_; }
    const std::string& stateDir() const { return stateDir_; }
    Timers& timers() { return timers_; }
    Dispatcher& dispatcher() { return dispatcher_; }
    SignalEmitter& signals() { return signals_; }
    CallLog& calls() { return calls_; }
    ReplyOverrides& overrides() { return overrides_; }
    TransferSessions& transfers() { return transfers_; }
    Authorizations& authorizations() { return authorizations_; }
    SerialLines& serialLines() { return serialLines_; }

    // Back to the scenario's world: no call log, no overrides, no pending answers or
    // authorisations (those waited for are refused); the devices that the scenario's
    // servers name are connected to them afresh; the stored shortcuts are the scenario's;
    // transfers stop and the devices' folders are copied afresh.
    void reset();
    void useScenario(World scenario);
    // Writes the world's shortcuts to the state folder (a failure is logged).
    void storeShortcuts();

private:
    Contract contract_;
    SignalEmitter signals_;
    World scenario_;
    World world_;
    SerialLines serialLines_;
    std::string stateDir_;
    CallLog calls_;
    ReplyOverrides overrides_;
    Timers timers_;
    Trace trace_;
    Dispatcher dispatcher_;
    Authorizations authorizations_{*this};
    TransferSessions transfers_{*this};  // last: it acts on the members above
};

}  // namespace btserver
