#include "sdk_test_util.h"

#include <dirent.h>
#include <gio/gio.h>
#include <unistd.h>

#include <fstream>

#include "corvclient/btsdk_frame.h"

namespace corvtest {

ReplyOverride replyWith(const std::string& tuple) {
    ReplyOverride o;
    o.reply = tuple;
    return o;
}

std::string bytesText(size_t n, unsigned first) {
    std::string text = "@ay [";
    for (size_t i = 0; i < n; ++i) {
        text += (i ? ", " : "") + std::to_string((first + i) & 0xFF);
    }
    return text + "]";
}

void ClientEnvironment::SetUp() { ASSERT_EQ(Btsdk_ClientInit(), BTSDK_OK); }
void ClientEnvironment::TearDown() { Btsdk_ClientUninit(); }

int threadsNamed(const std::string& name) {
    int count = 0;
    DIR* dir = opendir("/proc/self/task");
    if (!dir) return -1;
    while (dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.') continue;
        std::ifstream comm(std::string("/proc/self/task/") + entry->d_name + "/comm");
        std::string line;
        if (std::getline(comm, line) && line == name) ++count;
    }
    closedir(dir);
    return count;
}

namespace {

GVariant* askBus(GDBusConnection* bus, const char* method, GVariant* args, const char* reply) {
    return g_dbus_connection_call_sync(bus, "org.freedesktop.DBus", "/org/freedesktop/DBus",
                                       "org.freedesktop.DBus", method, args,
                                       G_VARIANT_TYPE(reply), G_DBUS_CALL_FLAGS_NONE, 5000,
                                       nullptr, nullptr);
}

}  // namespace

int busConnectionsOfThisProcess() {
    GError* error = nullptr;
    const char* address = g_getenv("DBUS_SYSTEM_BUS_ADDRESS");
    GDBusConnection* bus = g_dbus_connection_new_for_address_sync(
        address,
        static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                          G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
        nullptr, nullptr, &error);
    if (!bus) {
        ADD_FAILURE() << "cannot reach the test bus: " << error->message;
        g_error_free(error);
        return -1;
    }
    const char* self = g_dbus_connection_get_unique_name(bus);
    GVariant* names = askBus(bus, "ListNames", nullptr, "(as)");
    int count = 0;
    GVariantIter* iter = nullptr;
    const char* name = nullptr;
    g_variant_get(names, "(as)", &iter);
    while (g_variant_iter_next(iter, "&s", &name)) {
        if (name[0] != ':' || g_strcmp0(name, self) == 0) continue;
        GVariant* pid = askBus(bus, "GetConnectionUnixProcessID", g_variant_new("(s)", name), "(u)");
        if (!pid) continue;  // the peer left meanwhile
        guint32 value = 0;
        g_variant_get(pid, "(u)", &value);
        if (value == static_cast<guint32>(getpid())) ++count;
        g_variant_unref(pid);
    }
    g_variant_iter_free(iter);
    g_variant_unref(names);
    g_object_unref(bus);
    return count;
}

}  // namespace corvtest
