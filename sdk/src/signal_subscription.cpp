#include "signal_subscription.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace corv {
namespace {

// The dbus-glib types of a signature made of u, i, y, s and ay.
std::vector<GType> typesOf(const char* signature) {
    std::vector<GType> types;
    for (const char* p = signature; *p; ++p) {
        switch (*p) {
            case 'u':
                types.push_back(G_TYPE_UINT);
                break;
            case 'i':
                types.push_back(G_TYPE_INT);
                break;
            case 'y':
                types.push_back(G_TYPE_UCHAR);
                break;
            case 's':
                types.push_back(G_TYPE_STRING);
                break;
            case 'a':
                ++p;  // "ay": the only array the service's signals carry
                types.push_back(DBUS_TYPE_G_UCHAR_ARRAY);
                break;
            default:
                g_critical("unsupported signal argument type '%c'", *p);
        }
    }
    return types;
}

struct Subscription {
    ProxyId id;
    const Signal* signal;
    GCallback handler;  // null: declared only
    GClosureMarshal marshal;
};

std::mutex s_lock;
std::vector<Subscription> s_subscriptions;

bool known(ProxyId id, const Signal& signal) {
    for (const Subscription& s : s_subscriptions) {
        if (s.id == id && s.signal == &signal) return true;
    }
    return false;
}

void apply(DBusGProxy* proxy, const Subscription& s) {
    constexpr size_t kMaxArgs = 5;  // the longest argument list of the service's signals
    std::vector<GType> t = typesOf(s.signal->signature);
    if (t.size() > kMaxArgs) g_critical("signal %s has too many arguments", s.signal->name);
    t.resize(kMaxArgs + 1, G_TYPE_INVALID);
    if (s.marshal) {
        dbus_g_object_register_marshaller(s.marshal, G_TYPE_NONE, t[0], t[1], t[2], t[3], t[4],
                                          t[5]);
    }
    dbus_g_proxy_add_signal(proxy, s.signal->name, t[0], t[1], t[2], t[3], t[4], t[5]);
    if (s.handler) dbus_g_proxy_connect_signal(proxy, s.signal->name, s.handler, nullptr, nullptr);
}

void addOnce(DBusGProxy* proxy, const Subscription& s) {
    std::lock_guard<std::mutex> lock(s_lock);
    if (known(s.id, *s.signal)) return;
    s_subscriptions.push_back(s);
    apply(proxy, s);
}

}  // namespace

void subscribeOnceOn(DBusGProxy* proxy, ProxyId id, const Signal& signal, GCallback handler,
                     GClosureMarshal marshal) {
    addOnce(proxy, {id, &signal, handler, marshal});
}

void declareOnceOn(DBusGProxy* proxy, ProxyId id, const Signal& signal) {
    addOnce(proxy, {id, &signal, nullptr, nullptr});
}

bool subscribeOnce(ProxyId id, const Signal& signal, GCallback handler, GClosureMarshal marshal) {
    DBusGProxy* proxy = proxyFor(id);
    if (proxy) subscribeOnceOn(proxy, id, signal, handler, marshal);
    return proxy != nullptr;
}

void restoreSubscribedProxies() {
    std::vector<ProxyId> ids;
    {
        std::lock_guard<std::mutex> lock(s_lock);
        for (const Subscription& s : s_subscriptions) {
            if (std::find(ids.begin(), ids.end(), s.id) == ids.end()) ids.push_back(s.id);
        }
    }
    for (ProxyId id : ids) proxyFor(id);
}

void replaySubscriptions(ProxyId id) {
    DBusGProxy* proxy = proxySlot(id);
    if (!proxy) return;
    std::lock_guard<std::mutex> lock(s_lock);
    for (const Subscription& s : s_subscriptions) {
        if (s.id == id) apply(proxy, s);
    }
}

}  // namespace corv
