#include "world/scenario.h"

#include <glib.h>

#include <cstring>

#include "embedded_text.h"
#include "world/group_reader.h"
#include "world/scenario_files.h"

namespace scenario_texts {
extern const EmbeddedText kTexts[];
extern const int kTextCount;
}  // namespace scenario_texts

namespace btserver {

namespace {

constexpr size_t kMaxPathBytes = 4096;  // the Files and Card paths
constexpr size_t kMaxNumberBytes = 64;  // a phone number of Numbers or BusyNumbers
constexpr size_t kMaxIdBytes = 255;     // a device's ID in a list

void readAdapter(GroupReader& in, Adapter& adapter) {
    in.allow({"Name", "Address", "Class", "DiscoveryMode", "Powered", "LmpInfo"});
    in.text("Name", Adapter::kMaxNameBytes, adapter.name);
    in.address("Address", adapter.address);
    in.number("Class", 0, UINT32_MAX, adapter.deviceClass);
    in.number("DiscoveryMode", 0, UINT16_MAX, adapter.discoveryMode);
    in.flag("Powered", adapter.powered);
    in.record("LmpInfo", adapter.lmpInfo);
}

void readTiming(GroupReader& in, Timing& timing) {
    in.allow({"StartBluetooth", "StopBluetooth", "InquiryInterval", "PairingTimeout", "Browse",
              "Connect", "TransferRate", "TransferChunk", "ExchangeTimeout",
              "AuthorizationTimeout"});
    in.number("StartBluetooth", 0, 600000, timing.startBluetoothMs);
    in.number("StopBluetooth", 0, 600000, timing.stopBluetoothMs);
    in.number("InquiryInterval", 0, 600000, timing.inquiryIntervalMs);
    in.number("PairingTimeout", 0, 600000, timing.pairingTimeoutMs);
    in.number("Browse", 0, 600000, timing.browseMs);
    in.number("Connect", 0, 600000, timing.connectMs);
    in.number("TransferRate", 0, UINT32_MAX, timing.transferRate);
    in.number("TransferChunk", 1, 1048576, timing.transferChunk);
    in.number("ExchangeTimeout", 0, 600000, timing.exchangeTimeoutMs);
    in.number("AuthorizationTimeout", 0, 600000, timing.authorizationTimeoutMs);
}

void readDevice(GroupReader& in, RemoteDevice& device) {
    in.allow({"Name", "Address", "Class", "Rssi", "Paired", "Trusted", "Pin", "InRange", "Known",
              "Pairing", "Passkey", "NameDelay", "PairDelay", "LocalRole", "ReceiveRate",
              "SendRate", "Param"});
    in.text("Name", RemoteDevice::kMaxNameBytes, device.name);
    in.address("Address", device.address);
    in.number("Class", 0, UINT32_MAX, device.deviceClass);
    in.signedNumber("Rssi", INT8_MIN, INT8_MAX, device.rssi);
    in.flag("Paired", device.paired);
    in.flag("Trusted", device.trusted);
    in.text("Pin", 16, device.pin);
    in.flag("InRange", device.inRange);
    in.flag("Known", device.known);
    in.choice("Pairing", {"pin", "confirm", "passkey", "none"}, device.pairing);
    in.number("Passkey", 0, 999999, device.passkey);
    in.number("NameDelay", 0, 600000, device.nameDelayMs);
    in.number("PairDelay", 0, 600000, device.pairDelayMs);
    int localRole = -1;
    in.choice("LocalRole", {"master", "slave"}, localRole);
    if (localRole >= 0)
        device.localRole = static_cast<uint32_t>(localRole);
    in.number("ReceiveRate", 0, UINT32_MAX, device.flowPerSecond.received);
    in.number("SendRate", 0, UINT32_MAX, device.flowPerSecond.sent);
    in.number("Param", 0, UINT32_MAX, device.param);
}

void readService(GroupReader& in, RemoteService& service) {
    in.allow({"Class", "Name", "Extension", "Reachable", "Files", "ReadOnly", "Card", "Numbers",
              "BusyNumbers", "Serial"});
    in.number("Class", 0, UINT16_MAX, service.serviceClass);
    in.text("Name", RemoteService::kMaxNameBytes, service.name);
    in.bytes("Extension", service.extension);
    in.flag("Reachable", service.reachable);
    in.text("Files", kMaxPathBytes, service.files);
    in.flag("ReadOnly", service.readOnly);
    in.text("Card", kMaxPathBytes, service.card);
    in.list("Numbers", kMaxNumberBytes, service.numbers);
    in.list("BusyNumbers", kMaxNumberBytes, service.busyNumbers);
    in.choice("Serial", {"echo", "modem", "none"}, service.serial);
}

void readServer(GroupReader& in, LocalServer& server, std::vector<std::string>& connected) {
    in.allow({"Class", "Name", "Status", "Security", "Connected", "Serial", "Port"});
    in.number("Class", 0, UINT16_MAX, server.serviceClass);
    in.text("Name", RemoteService::kMaxNameBytes, server.name);
    uint32_t status = static_cast<uint32_t>(server.status);
    in.number("Status", 1, 3, status);
    server.status = static_cast<ServerStatus>(status);
    in.number("Security", 0, UINT16_MAX, server.security);
    in.list("Connected", kMaxIdBytes, connected);
    in.choice("Serial", {"echo", "modem", "none"}, server.serial);
    uint32_t port = 0;
    in.number("Port", 0, UINT16_MAX, port);
    server.extension.assign(serverExtensionBytes(server.serviceClass), 0);
    // A serial-type server's COM port: the 16 bits at offset 6, as register_spp_service sets it.
    if (server.extension.size() == 8) {
        server.extension[6] = static_cast<uint8_t>(port & 0xFF);
        server.extension[7] = static_cast<uint8_t>(port >> 8);
    }
}

// The remainder of a group name after a prefix such as "Device ", or empty.
std::string suffix(const std::string& group, const char* prefix) {
    size_t length = strlen(prefix);
    return group.compare(0, length, prefix) == 0 ? group.substr(length) : std::string();
}

RemoteDevice* deviceWithId(World& world, const std::string& id) {
    for (RemoteDevice& device : world.devices)
        if (device.id == id)
            return &device;
    return nullptr;
}

// The devices of the server's Connected key, which must be in range and stored, and the
// server running.
std::string connectAtStart(World& world, const std::vector<std::string>& ids, LocalServer& server) {
    if (!ids.empty() && server.status == ServerStatus::Stopped)
        return "Connected needs a running server (Status 1 or 3)";
    for (const std::string& id : ids) {
        RemoteDevice* device = deviceWithId(world, id);
        if (!device)
            return "Connected names no device given as [Device " + id + "]";
        if (!device->inRange || !device->known)
            return "Connected names device " + id + ", which is out of range or not stored";
        server.connectedAtStart.push_back(device->handle);
    }
    return {};
}

// Reads the device groups when `devices`, else every other group.
bool readGroup(GKeyFile* file, const std::string& group, bool devices, World& world,
               std::string& error) {
    GroupReader in(file, group, error);
    std::string name;
    if (devices != !suffix(group, "Device ").empty()) {
        return true;
    } else if (group == "Adapter") {
        readAdapter(in, world.adapter);
    } else if (group == "Timing") {
        readTiming(in, world.timing);
    } else if (!(name = suffix(group, "Device ")).empty()) {
        if (deviceWithId(world, name))
            error = "[" + group + "] appears twice";
        RemoteDevice device;
        device.handle = world.newHandle();
        device.id = name;
        readDevice(in, device);
        world.devices.push_back(device);
    } else if (!(name = suffix(group, "Service ")).empty()) {
        RemoteDevice* device = deviceWithId(world, name.substr(0, name.find('/')));
        if (!device || name.find('/') == std::string::npos) {
            error = "[" + group + "] names no device given as [Device ID]";
            return false;
        }
        RemoteService service;
        service.handle = world.newHandle();
        readService(in, service);
        device->services.push_back(service);
    } else if (!(name = suffix(group, "Server ")).empty()) {
        LocalServer server;
        server.handle = world.newHandle();
        std::vector<std::string> connected;
        readServer(in, server, connected);
        if (std::string fault = connectAtStart(world, connected, server);
            error.empty() && !fault.empty())
            error = "[" + group + "] " + fault;
        world.servers.push_back(server);
    } else {
        error = "[" + group + "] is not a known group";
    }
    return error.empty();
}

}  // namespace

bool parseScenario(const std::string& text, World& out, std::string& error) {
    GKeyFile* file = g_key_file_new();
    GError* failure = nullptr;
    if (!g_key_file_load_from_data(file, text.data(), text.size(), G_KEY_FILE_NONE, &failure)) {
        error = failure->message;
        g_error_free(failure);
        g_key_file_free(file);
        return false;
    }
    // Devices are numbered first (1, 2, ... in the order of the file), then the services
    // and local servers.
    World world;
    gchar** groups = g_key_file_get_groups(file, nullptr);
    bool ok = true;
    for (bool devices : {true, false})
        for (gchar** group = groups; ok && *group; ++group)
            ok = readGroup(file, *group, devices, world, error);
    g_strfreev(groups);
    g_key_file_free(file);
    if (ok)
        out = std::move(world);
    return ok;
}

bool loadScenarioFile(const std::string& path, World& out, std::string& error) {
    gchar* text = nullptr;
    gsize length = 0;
    GError* failure = nullptr;
    if (!g_file_get_contents(path.c_str(), &text, &length, &failure)) {
        error = failure->message;
        g_error_free(failure);
        return false;
    }
    gchar* folder = g_path_get_dirname(path.c_str());
    bool ok = parseScenario(std::string(text, length), out, error) &&
              resolveScenarioFiles(out, folder, true, error);
    g_free(folder);
    g_free(text);
    if (!ok)
        error = path + ": " + error;
    return ok;
}

World defaultScenario() {
    for (int i = 0; i < scenario_texts::kTextCount; ++i) {
        if (strcmp(scenario_texts::kTexts[i].name, "default.ini") != 0)
            continue;
        World world;
        std::string error;
        if (!parseScenario(scenario_texts::kTexts[i].text, world, error))
            g_error("built-in default.ini: %s", error.c_str());
        resolveScenarioFiles(world, CORVANE_SCENARIOS_DIR, false, error);
        return world;
    }
    g_error("no built-in default.ini");
}

}  // namespace btserver
