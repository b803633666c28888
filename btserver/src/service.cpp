#include "service.h"

#include "areas/areas.h"
#include "areas/connections.h"
#include "profiles/profile_areas.h"
#include "state/state.h"
#include "transfers/transfers.h"

namespace btserver {

Service::Service(GDBusConnection* connection, World scenario, std::string stateDir,
                 std::string deviceDir)
    : signals_(connection, contract_),
      scenario_(std::move(scenario)),
      world_(scenario_),
      serialLines_(world_, std::move(deviceDir)),
      stateDir_(std::move(stateDir)),
      trace_(world_, signals_),
      dispatcher_(contract_, calls_, overrides_, timers_, trace_) {
    connectScenarioDevices(world_);
    serialLines_.openAll();
    std::string error;
    if (!loadShortcuts(shortcutFile(stateDir_), world_, error))
        g_printerr("bt_server: no stored shortcuts kept: %s\n", error.c_str());
    storeShortcuts();
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
    addPowerArea(*this);
    addShortcuts(*this);
    addFileTransferFolders(*this);
    addFileTransferCopies(*this);
    addFileTransferServer(*this);
    addObjectPush(*this);
    addObjectPushServer(*this);
    addSerialPort(*this);
    addDialUp(*this);
    addPan(*this);
    addHandsFree(*this);
    addAudioVideo(*this);
    addHid(*this);
    transfers_.reset();
}

void Service::reset() {
    timers_.cancelAll();
    authorizations_.reset();
    dispatcher_.dropUnanswered();
    overrides_.clear();
    calls_.clear();
    trace_.reset();
    serialLines_.closeAll();
    world_ = scenario_;
    connectScenarioDevices(world_);
    serialLines_.openAll();
    storeShortcuts();
    transfers_.reset();
}

void Service::useScenario(World scenario) {
    scenario_ = std::move(scenario);
    reset();
}

void Service::storeShortcuts() {
    std::string error;
    if (!saveShortcuts(shortcutFile(stateDir_), world_, error))
        g_printerr("bt_server: cannot store the shortcuts: %s\n", error.c_str());
}

}  // namespace btserver
