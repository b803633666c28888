#include "control/device_events.h"

#include <cstring>

#include "areas/connections.h"
#include "areas/device_links.h"
#include "core/core.h"
#include "service.h"

namespace btserver {

RemoteDevice* namedDevice(World& world, const char* name) {
    guint64 handle = 0;
    bool number = g_ascii_string_to_unsigned(name, 10, 1, UINT32_MAX, &handle, nullptr);
    for (RemoteDevice& device : world.devices)
        if (device.id == name || (number && device.handle == handle))
            return &device;
    return nullptr;
}

bool isDeviceEvent(const char* method) {
    for (const char* event : {"SetInRange", "SetConnected", "SetRssi", "RequestAuthorization",
                              "RequestConnection", "ConnectToServer"})
        if (strcmp(method, event) == 0)
            return true;
    return false;
}

std::string runDeviceEvent(Service& service, const char* method, GVariant* args) {
    const char* name = nullptr;
    g_variant_get_child(args, 0, "&s", &name);
    RemoteDevice* device = namedDevice(service.world(), name);
    if (!device)
        return std::string("no device ") + name;
    if (strcmp(method, "SetInRange") == 0) {
        gboolean inRange = FALSE;
        g_variant_get_child(args, 1, "b", &inRange);
        device->inRange = inRange;
    } else if (strcmp(method, "SetConnected") == 0) {
        gboolean connected = FALSE;
        g_variant_get_child(args, 1, "b", &connected);
        holdLink(service, *device, connected);
    } else if (strcmp(method, "SetRssi") == 0) {
        gint32 rssi = 0;
        g_variant_get_child(args, 1, "i", &rssi);
        if (rssi < INT8_MIN || rssi > INT8_MAX)
            return "an RSSI of " + std::to_string(rssi) + " is not from -128 to 127";
        device->rssi = static_cast<int8_t>(rssi);
    } else if (strcmp(method, "RequestAuthorization") == 0) {
        guint32 serviceHandle = 0;
        g_variant_get_child(args, 1, "u", &serviceHandle);
        service.authorizations().ask(serviceHandle, device->handle);
    } else if (strcmp(method, "ConnectToServer") == 0) {
        guint32 server = 0;
        g_variant_get_child(args, 1, "u", &server);
        std::string error;
        if (!connectIncoming(service, device->handle, server, error))
            return error;
    } else {
        guint32 serviceHandle = 0;
        guchar role = 0;
        g_variant_get(args, "(&suy)", nullptr, &serviceHandle, &role);
        service.signals().emit(kCallbackInterface, "connection_request_ind",
                               g_variant_new("(uuy)", device->handle, serviceHandle, role));
    }
    return {};
}

}  // namespace btserver
