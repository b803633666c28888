#include "proxy_table.h"

#include <cstdlib>

#include "frame_state.h"
#include "dispatching_threads.h"
#include "signal_subscription.h"

namespace corv {
namespace {

#define CORV_AREA(suffix) "com.zel.corvane.btservice." suffix, "/com/zel/corvane/btservice/" suffix

constexpr ProxyInfo kProxies[] = {
    {CORV_AREA("btsdkinit"), "Failed to get name owner\n", ConnectionSlot::Request, false, true},
    {CORV_AREA("btsdkinit"), "Failed to get name owner\n", ConnectionSlot::Request, true, true},
    {CORV_AREA("btsdkinit"), "Failed to get name owner\n", ConnectionSlot::Request, true, true},
    {CORV_AREA("btsdklocal"), "Failed to get name owner\n", ConnectionSlot::Request, true, true},
    {CORV_AREA("btsdkrmt"), "Failed to create rmt proxy.\n", ConnectionSlot::Request, true, true},
    {CORV_AREA("btsdkrmt"), "Failed to create rmt proxy.\n", ConnectionSlot::Request2, false, true},
    {CORV_AREA("btsdksec"), "Failed to create sec proxy.\n", ConnectionSlot::Request, true, true},
    {CORV_AREA("btsdksvc"), "Failed to create svc proxy.\n", ConnectionSlot::Request, true, true},
    {CORV_AREA("btsdkshc"), "Failed to create shc proxy.\n", ConnectionSlot::Request, true, true},
    {CORV_AREA("btsdkconn"), "Failed to create conn proxy.\n", ConnectionSlot::Request, true, true},
    {CORV_AREA("btsdkftp"), "Failed to create ftp proxy.\n", ConnectionSlot::Request, true, true},
    {CORV_AREA("btsdkopp"), "Failed to create opp proxy.\n", ConnectionSlot::Request, true, true},
    {CORV_AREA("btsdkspp"), "Failed to create spp proxy.\n", ConnectionSlot::Request, true, true},
    {CORV_AREA("btsdkdun"), "Failed to create dun proxy.\n", ConnectionSlot::Request, true, false},
    {CORV_AREA("btsdkpan"), "Failed to create pan proxy.\n", ConnectionSlot::Request, true, true},
    {CORV_AREA("btsdkhfp"), "Failed to create hfp proxy.\n", ConnectionSlot::Request, true, true},
    {CORV_AREA("btsdkhfp"), "Failed to create hfp proxy.\n", ConnectionSlot::Request, true, true},
    {CORV_AREA("btsdkav"), "Failed to create av proxy.\n", ConnectionSlot::Request, true, true},
    {CORV_AREA("btsdkav"), "Failed to create av proxy.\n", ConnectionSlot::Request, true, true},
    {CORV_AREA("btsdkhid"), "Failed to create hid proxy.\n", ConnectionSlot::Request, true, true},
    {"com.zel.corvane.btservicecbk.btsdkcbk", "/com/zel/corvane/btservicecbk/btsdkcbk",
     "Failed to get name owner for com.zel.corvane.", ConnectionSlot::Callback, true, true},
};
#undef CORV_AREA
static_assert(sizeof(kProxies) / sizeof(kProxies[0]) == static_cast<size_t>(ProxyId::Count));

DBusGProxy* g_proxies[static_cast<size_t>(ProxyId::Count)];
DBusGConnection* g_proxyConnections[static_cast<size_t>(ProxyId::Count)];  // a reference each
bool g_replayPending[static_cast<size_t>(ProxyId::Count)];

constexpr int kDefaultTimeoutMs = 60000;
constexpr int kBusRoundTripMs = 5000;

// The test seam CORVCLIENT_CALL_TIMEOUT_MS; 0 when unset.
int timeoutOverride() {
    const char* text = std::getenv("CORVCLIENT_CALL_TIMEOUT_MS");
    int ms = text ? std::atoi(text) : 0;
    return ms > 0 ? ms : 0;
}

DBusGConnection* connectionOf(ConnectionSlot slot) {
    switch (slot) {
        case ConnectionSlot::Request:
            return g_dbus_connection;
        case ConnectionSlot::Request2:
            return g_dbus_connection2;
        case ConnectionSlot::Callback:
            return g_dbus_cbk_connection;
    }
    return nullptr;
}

bool connected(DBusGConnection* connection) {
    return connection && dbus_connection_get_is_connected(dbus_g_connection_get_connection(connection));
}

// A round trip to the bus daemon: it handles one connection's messages in order, so once
// it answers, the match rule that a new proxy asked for is in place and a signal the
// service sends from now on reaches the proxy.
void awaitBus(DBusGConnection* connection) {
    DBusConnection* raw = dbus_g_connection_get_connection(connection);
    DBusMessage* ping = dbus_message_new_method_call("org.freedesktop.DBus", "/org/freedesktop/DBus",
                                                     "org.freedesktop.DBus.Peer", "Ping");
    if (!ping) return;
    DBusMessage* reply = dbus_connection_send_with_reply_and_block(raw, ping, kBusRoundTripMs, nullptr);
    if (reply) dbus_message_unref(reply);
    dbus_message_unref(ping);
}

void rememberConnection(ProxyId id, DBusGConnection* connection) {
    DBusGConnection*& held = g_proxyConnections[static_cast<size_t>(id)];
    if (connection) dbus_g_connection_ref(connection);
    if (held) dbus_g_connection_unref(held);
    held = connection;
}

// Forgets a proxy whose connection is gone (the bus went away, or the library stopped and
// closed it): using it again would only fail, with dbus-glib's complaints. It is not
// released, since another thread may still be in a call on it. The next proxy of the
// area takes over its subscriptions.
void forgetIfDisconnected(ProxyId id) {
    DBusGProxy*& slot = proxySlot(id);
    if (!slot || connected(proxyConnection(id))) return;
    slot = nullptr;
    rememberConnection(id, nullptr);
    g_replayPending[static_cast<size_t>(id)] = true;
}

}  // namespace

const ProxyInfo& proxyInfo(ProxyId id) { return kProxies[static_cast<size_t>(id)]; }

DBusGProxy*& proxySlot(ProxyId id) {
    if (id == ProxyId::Rmt2) return g_btsdk_rmt_proxy2;
    return g_proxies[static_cast<size_t>(id)];
}

namespace {

// Guards the proxy slots while a new proxy takes its place, so that two threads making
// the same area's proxy at once never undo each other's.
GMutex s_slotLock;

// A new proxy of the area on the connection, not yet in its slot; null (with the area's
// complaint) when none can be made.
DBusGProxy* makeProxy(ProxyId id, DBusGConnection* connection) {
    const ProxyInfo& info = proxyInfo(id);
    // A connection that is gone counts as none.
    if (connection && !connected(connection)) return nullptr;
    DBusGProxy* made = nullptr;
    auto make = [&made, &info, connection] {
        made = dbus_g_proxy_new_for_name(connection, "com.zel.corvane", info.path, info.interface);
        if (made) awaitBus(connection);
    };
    // The thread that dispatches the connection makes the proxy (see dispatching_threads.h), or
    // the call mutex keeps the drive-signal thread from dispatching meanwhile.
    if (connection && !runOnDispatchingThread(connection, make)) {
        if (info.takesMutex) g_mutex_lock(g_btsdk_call_mutex);
        make();
        if (info.takesMutex) g_mutex_unlock(g_btsdk_call_mutex);
    }
    if (!made) {
        g_critical("%s", info.failMessage);
        return nullptr;
    }
    int timeout = timeoutOverride();
    if (timeout == 0 && info.setsTimeout) timeout = kDefaultTimeoutMs;
    if (timeout > 0) dbus_g_proxy_set_default_timeout(made, timeout);
    return made;
}

}  // namespace

DBusGProxy* createProxy(ProxyId id, DBusGConnection* connection) {
    g_mutex_lock(&s_slotLock);
    proxySlot(id) = nullptr;
    g_mutex_unlock(&s_slotLock);
    DBusGProxy* made = makeProxy(id, connection);
    if (!made) return nullptr;
    g_mutex_lock(&s_slotLock);
    proxySlot(id) = made;
    rememberConnection(id, connection);
    g_mutex_unlock(&s_slotLock);
    return made;
}

DBusGConnection* proxyConnection(ProxyId id) { return g_proxyConnections[static_cast<size_t>(id)]; }

DBusGProxy* proxyFor(ProxyId id) { return proxyFor(id, proxyInfo(id).connection); }

DBusGProxy* proxyFor(ProxyId id, ConnectionSlot firstUse) {
    forgetIfDisconnected(id);
    DBusGProxy* proxy = proxySlot(id);
    if (proxy) return proxy;
    if (!libraryStarted()) return nullptr;
    DBusGConnection* connection = connectionOf(firstUse);
    DBusGProxy* made = makeProxy(id, connection);
    if (!made) return nullptr;
    // Another thread may have made the area's proxy meanwhile: the first one stays.
    g_mutex_lock(&s_slotLock);
    proxy = proxySlot(id);
    if (!proxy) {
        proxy = proxySlot(id) = made;
        rememberConnection(id, connection);
    }
    g_mutex_unlock(&s_slotLock);
    if (proxy != made) {
        g_object_unref(made);
        return proxy;
    }
    bool& replay = g_replayPending[static_cast<size_t>(id)];
    if (proxy && replay) {
        replay = false;
        replaySubscriptions(id);
    }
    return proxy;
}

}  // namespace corv
