// The world model, the main header of world/: everything the simulated stack knows (the
// adapter, the remote devices with their services, the local servers, the connections
// made while it runs, the stored shortcuts, and the operations in progress: inquiry,
// enumerations, answers still to come). The part also reads the scenario files that a
// world starts from (scenario.h) and names the service classes that have behaviour
// (service_classes.h). It builds on the C++ library; scenario reading on GLib.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "world/adapter.h"
#include "world/link_traffic.h"
#include "world/local_server.h"
#include "world/profiles.h"
#include "world/remote_device.h"
#include "world/service_classes.h"

namespace btserver {

class Call;

// A profile connection: made to a remote device's service, or by a remote device to a
// local server (incoming).
struct Connection {
    uint32_t handle = 0;
    uint32_t device = 0;
    uint32_t service = 0;  // the remote service, or the local server when incoming
    uint16_t serviceClass = 0;
    bool incoming = false;
    uint32_t port = 0;        // the COM port of a serial-type connection, else 0
    int64_t startedUs = 0;    // monotonic
    Traffic steadyPerSecond;  // its steady flow each way
    Traffic moved;            // what its transfers moved

    // What it has carried by the monotonic time.
    Traffic traffic(int64_t nowUs) const {
        Traffic carried = steadyTraffic(steadyPerSecond, nowUs - startedUs);
        carried += moved;
        return carried;
    }
};

// A stored bookmark of one remote device's service: the fields of its property record.
struct Shortcut {
    uint32_t handle = 0;
    uint32_t connection = 0;  // while its service is connected through it, else 0
    bool connecting = false;  // a connect through it is under way
    uint32_t device = 0;
    uint32_t service = 0;
    std::array<uint8_t, 4> flags{};  // the four flag bytes, kept for the user
    std::string shortText;
    uint16_t serviceClass = 0;
    uint16_t mask = 0;
    std::string name;
    std::string secondName;
    std::string serviceName;
    uint32_t deviceClass = 0;
    Bytes block;  // the profile-attribute block
};

// How long the simulated operations take.
struct Timing {
    uint32_t startBluetoothMs = 300;
    uint32_t stopBluetoothMs = 200;
    uint32_t inquiryIntervalMs = 300;   // between two inquiry results
    uint32_t pairingTimeoutMs = 30000;  // waiting for the user's PIN or confirmation
    uint32_t browseMs = 1200;           // a service search on a remote device
    uint32_t connectMs = 1500;          // a connection coming up
    uint32_t transferRate = 131072;     // bytes per second of a file transfer; 0: no limit
    uint32_t transferChunk = 8192;      // bytes a transfer moves at a time
    uint32_t exchangeTimeoutMs = 30000;       // the longest a business-card exchange takes
    uint32_t authorizationTimeoutMs = 30000;  // waiting for the user to allow a device's push
};

// The inquiry in progress, or the last one.
struct Discovery {
    uint32_t session = 0;  // tells the steps of one inquiry from those of an earlier one
    bool active = false;
    bool cancelled = false;  // the last inquiry was stopped early
    uint32_t classFilter = 0;
    uint32_t maxDevices = 0;  // 0: no limit
    int64_t endsAtUs = 0;     // monotonic time after which nothing more is found; 0: none
    std::vector<uint32_t> reported;
};

struct Enumeration {
    uint32_t handle = 0;
    std::vector<uint32_t> handles;  // the devices or servers chosen when it started
    size_t next = 0;
};

// A contract call answered later (a name update, a pairing), with the device it is about.
struct HeldCall {
    uint32_t id = 0;
    uint32_t device = 0;
    std::shared_ptr<Call> call;
};

// The item of the list with the handle, or null.
template <typename Item>
Item* withHandle(std::vector<Item>& items, uint32_t handle) {
    for (Item& item : items)
        if (item.handle == handle)
            return &item;
    return nullptr;
}

struct World {
    Adapter adapter;
    std::vector<RemoteDevice> devices;
    std::vector<LocalServer> servers;
    std::vector<Connection> connections;
    std::vector<Shortcut> shortcuts;
    Profiles profiles;
    Timing timing;

    Discovery discovery;
    std::vector<Enumeration> enumerations;         // of remote devices
    std::vector<Enumeration> serverEnumerations;   // of local servers
    std::vector<Enumeration> serviceEnumerations;  // of a remote device's services
    std::vector<Enumeration> connectionEnumerations;
    uint32_t nextPort = 3;  // the COM port of the next serial-type connection
    std::vector<HeldCall> nameUpdates;
    std::vector<HeldCall> pairings;
    uint32_t nextHandle = 1;  // the handle of the next device or enumeration made
    uint32_t nextId = 1;      // of held calls and inquiries

    RemoteDevice* device(uint32_t handle) { return withHandle(devices, handle); }
    // The device that the stack knows by the handle (stored, not forgotten), or null.
    RemoteDevice* knownDevice(uint32_t handle) {
        RemoteDevice* found = device(handle);
        return found && found->known ? found : nullptr;
    }
    LocalServer* server(uint32_t handle) { return withHandle(servers, handle); }
    RemoteService* remoteService(uint32_t handle) {
        for (RemoteDevice& device : devices)
            if (RemoteService* service = withHandle(device.services, handle))
                return service;
        return nullptr;
    }
    Connection* connection(uint32_t handle) { return withHandle(connections, handle); }
    Shortcut* shortcut(uint32_t handle) { return withHandle(shortcuts, handle); }
    // A new local server of the class, its extension block zero-filled to the class's size.
    LocalServer& addServer(uint16_t serviceClass, const std::string& name, ServerStatus status,
                           Bytes extension = {}) {
        LocalServer server;
        server.handle = newHandle();
        server.serviceClass = serviceClass;
        server.name = name;
        server.status = status;
        server.extension = std::move(extension);
        server.extension.resize(serverExtensionBytes(serviceClass), 0);
        servers.push_back(std::move(server));
        return servers.back();
    }
    uint32_t newHandle() { return nextHandle++; }
    uint32_t newId() { return nextId++; }
};

}  // namespace btserver
