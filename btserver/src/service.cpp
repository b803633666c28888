#include "service.h"

#include "areas.h"

namespace btserver {

Service::Service(GDBusConnection* connection, World scenario, std::string stateDir)
    : signals_(connection, contract_),
      scenario_(std::move(scenario)),
      world_(scenario_),
      stateDir_(std::move(stateDir)),
      trace_(world_, signals_),
      dispatcher_(contract_, calls_, overrides_, timers_, trace_) {
    addInitArea(*this);
    addLocalArea(*this);
    addRemoteDevices(*this);
    addDeviceNames(*this);
    addDeviceLists(*this);
    addInquiry(*this);
    addPairing(*this);
    addSecurityArea(*this);
    addLocalServers(*this);
    addRemoteServices(*this);
    addConnections(*this);
}

void Service::reset() {
    timers_.cancelAll();
    dispatcher_.dropUnanswered();
    overrides_.clear();
    calls_.clear();
    trace_.reset();
    world_ = scenario_;
}

void Service::useScenario(World scenario) {
    scenario_ = std::move(scenario);
    reset();
}

}  // namespace btserver
