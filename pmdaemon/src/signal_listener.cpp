#include "signal_listener.h"

#include <dbus/dbus-glib.h>
#include <pthread.h>

#include "pm_bus.h"
#include "pm_event.h"
#include "pm_log.h"
#include "pm_threads.h"

namespace {

constexpr const char* kCallbackInterface = "com.zel.corvane.btservicecbk.btsdkcbk";
constexpr guint kVendorKillOff = 0xF0;
constexpr guint kVendorKillOn = 0xF1;

GMainLoop* s_mainloop = nullptr;
pthread_mutex_t s_mainloop_mutex = PTHREAD_MUTEX_INITIALIZER;

gboolean quit_loop(gpointer loop) {
    g_main_loop_quit(static_cast<GMainLoop*>(loop));
    return G_SOURCE_REMOVE;
}

// The condition is signalled for every code, so an unknown one wakes the dispatcher too.
void rf_hw_kill_cb(DBusGProxy*, guint code, guint, GArray*, gpointer) {
    pthread_mutex_lock(&mutex_pm_event);
    if (code == kVendorKillOff)
        push_current_event(pm_event_new(PM_EV_RF_HW_KILL_OFF, nullptr, 0));
    else if (code == kVendorKillOn)
        push_current_event(pm_event_new(PM_EV_RF_HW_KILL_ON, nullptr, 0));
    pthread_cond_signal(&cond_pm_event);
    pthread_mutex_unlock(&mutex_pm_event);
}

void pm_hw_err_ev_cb(DBusGProxy*, guchar, gpointer) {
    pm_push_event(PM_EV_HW_ERROR);
}

}  // namespace

void* pm_connect_signal_to_server(void*) {
    GMainLoop* loop = g_main_loop_new(nullptr, FALSE);
    pthread_mutex_lock(&s_mainloop_mutex);
    s_mainloop = loop;
    pthread_mutex_unlock(&s_mainloop_mutex);

    GError* error = nullptr;
    DBusGConnection* bus = pm_system_bus(&error);
    DBusGProxy* proxy = nullptr;
    if (!bus) {
        pm_error("Can NOT get a system bus.error:%s.\n", error->message);
        g_error_free(error);
    } else {
        proxy = pm_proxy_new(bus, "com.zel.corvane", "/com/zel/corvane/btservicecbk/btsdkcbk",
                             kCallbackInterface);
    }
    if (bus && !proxy)
        pm_error("Can NOT request a proxy on %s!\n", kCallbackInterface);
    if (proxy) {
        dbus_g_object_register_marshaller(g_cclosure_marshal_generic, G_TYPE_NONE, G_TYPE_UINT,
                                          G_TYPE_UINT, DBUS_TYPE_G_UCHAR_ARRAY, G_TYPE_INVALID);
        dbus_g_proxy_add_signal(proxy, "vendor_event_ind", G_TYPE_UINT, G_TYPE_UINT,
                                DBUS_TYPE_G_UCHAR_ARRAY, G_TYPE_INVALID);
        dbus_g_proxy_connect_signal(proxy, "vendor_event_ind", G_CALLBACK(rf_hw_kill_cb), nullptr,
                                    nullptr);
        dbus_g_proxy_add_signal(proxy, "hardware_error_ind", G_TYPE_UCHAR, G_TYPE_INVALID);
        dbus_g_proxy_connect_signal(proxy, "hardware_error_ind", G_CALLBACK(pm_hw_err_ev_cb),
                                    nullptr, nullptr);
        if (!g_pm_thread_exit)
            g_main_loop_run(loop);
        pm_proxy_unref(proxy);
    }
    if (bus)
        dbus_g_connection_unref(bus);

    pthread_mutex_lock(&s_mainloop_mutex);
    s_mainloop = nullptr;
    pthread_mutex_unlock(&s_mainloop_mutex);
    g_main_loop_unref(loop);
    return nullptr;
}

void quit_signal_listener() {
    pthread_mutex_lock(&s_mainloop_mutex);
    // Quitting from inside the loop works whether or not it runs yet.
    if (s_mainloop)
        g_idle_add_full(G_PRIORITY_DEFAULT, quit_loop, g_main_loop_ref(s_mainloop),
                        reinterpret_cast<GDestroyNotify>(g_main_loop_unref));
    pthread_mutex_unlock(&s_mainloop_mutex);
}
