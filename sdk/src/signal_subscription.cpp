#include "signal_subscription.h"

#include <cstring>
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

}  // namespace

void subscribeSignal(DBusGProxy* proxy, const Signal& signal, GCallback handler,
                     GClosureMarshal marshal) {
    constexpr size_t kMaxArgs = 5;  // the longest argument list of the service's signals
    std::vector<GType> t = typesOf(signal.signature);
    if (t.size() > kMaxArgs) g_critical("signal %s has too many arguments", signal.name);
    t.resize(kMaxArgs + 1, G_TYPE_INVALID);
    if (marshal) {
        dbus_g_object_register_marshaller(marshal, G_TYPE_NONE, t[0], t[1], t[2], t[3], t[4],
                                          t[5]);
    }
    dbus_g_proxy_add_signal(proxy, signal.name, t[0], t[1], t[2], t[3], t[4], t[5]);
    dbus_g_proxy_connect_signal(proxy, signal.name, handler, nullptr, nullptr);
}

}  // namespace corv
