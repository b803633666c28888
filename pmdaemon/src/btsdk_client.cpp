#include "btsdk_client.h"

#include <dbus/dbus-glib.h>
#include <pthread.h>

#include "pm_bus.h"
#include "pm_log.h"
#include "vendor_command.h"

namespace {

constexpr const char* kService = "com.zel.corvane";

DBusGProxy* remote_device_object = nullptr;
DBusGProxy* remote_local_object = nullptr;
// Serialises the suspend and resume calls.
pthread_mutex_t mutex = PTHREAD_MUTEX_INITIALIZER;

bool client_ready() {
    return (remote_device_object && remote_local_object) || init_btsdk_client();
}

void print_failure(const char* method, GError* error) {
    pm_error("call dbus method \"%s\" failed.error:%s.\n", method, error->message);
    g_error_free(error);
}

// One "suspend" or "resume" call; false when it failed on the bus.
bool call_power(const char* method, guint& result) {
    GError* error = nullptr;
    if (dbus_g_proxy_call(remote_device_object, method, &error, G_TYPE_INVALID, G_TYPE_UINT,
                          &result, G_TYPE_INVALID))
        return true;
    print_failure(method, error);
    return false;
}

}  // namespace

bool init_btsdk_client() {
    GError* error = nullptr;
    DBusGConnection* bus = pm_system_bus(&error);
    if (!bus) {
        pm_error("Couldn't connect to session bus.error:%s\n", error->message);
        g_error_free(error);
        return false;
    }
    if (!remote_device_object)
        remote_device_object =
            pm_proxy_new(bus, kService, "/com/zel/corvane/Device", "com.zel.corvane.Device");
    if (!remote_local_object)
        remote_local_object =
            pm_proxy_new(bus, kService, "/com/zel/corvane/btservice/btsdklocal",
                         "com.zel.corvane.btservice.btsdklocal");
    dbus_g_connection_unref(bus);
    if (!remote_device_object || !remote_local_object) {
        pm_error("Failed to get name owner.\n");
        return false;
    }
    return true;
}

void stop_bluetooth() {
    pthread_mutex_lock(&mutex);
    guint result = 0;
    if (client_ready())
        call_power("suspend", result);
    pthread_mutex_unlock(&mutex);
}

void start_bluetooth() {
    pthread_mutex_lock(&mutex);
    guint result = 0;
    if (client_ready() && call_power("resume", result) && result != 0)
        call_power("resume", result);
    pthread_mutex_unlock(&mutex);
}

void hardware_unplug() {
    if (!client_ready())
        return;
    GError* error = nullptr;
    gint result = 0;
    if (!dbus_g_proxy_call(remote_local_object, "bt_dev_unplug", &error, G_TYPE_INVALID, G_TYPE_INT,
                           &result, G_TYPE_INVALID))
        print_failure("bt_dev_unplug", error);
}

// The reply of the command is not used: only the result matters to the daemon.
void SendVendorCmd(const uint8_t* command_template) {
    if (!client_ready())
        return;
    uint8_t request[kVendorRequestBytes];
    build_vendor_request(command_template, request);
    GArray* bytes = g_array_sized_new(FALSE, FALSE, 1, kVendorRequestBytes);
    g_array_append_vals(bytes, request, kVendorRequestBytes);
    GError* error = nullptr;
    guint result = 0;
    GArray* reply = nullptr;
    if (dbus_g_proxy_call(remote_local_object, "vendor_command", &error, G_TYPE_UINT,
                          static_cast<guint>(kVendorRequestBytes), DBUS_TYPE_G_UCHAR_ARRAY, bytes,
                          G_TYPE_INVALID, G_TYPE_UINT, &result, DBUS_TYPE_G_UCHAR_ARRAY, &reply,
                          G_TYPE_INVALID)) {
        if (reply)
            g_array_free(reply, TRUE);
    } else {
        print_failure("vendor_command", error);
    }
    g_array_free(bytes, TRUE);
}

void hci_sw_rf_kill_on() {
    SendVendorCmd(Intel_SDIO_HciCmd_RfKillOn);
}

void hci_sw_rf_kill_off() {
    SendVendorCmd(Intel_SDIO_HciCmd_RfKillOff);
}
