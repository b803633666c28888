// Request threads 1 and 2 and the callback thread: each runs a main loop on a context
// of its own that dispatches a private bus connection.
#include "detached_thread.h"
#include "frame_state.h"

namespace {

enum class Release { Connection, KeepOpen };

struct LoopThread {
    DBusGConnection** variable;
    Release release;
    GMutex lock;
    GCond changed;
    GMainLoop* loop = nullptr;  // guarded by lock, set while the thread runs
    bool quitRequested = false;
    bool setUp = false;  // the thread has published its connection or given up
};

LoopThread s_request1{&g_dbus_connection, Release::Connection, {}, {}};
LoopThread s_request2{&g_dbus_connection2, Release::KeepOpen, {}, {}};
LoopThread s_callback{&g_dbus_cbk_connection, Release::Connection, {}, {}};

void markSetUp(LoopThread& state, GMainLoop* loop) {
    g_mutex_lock(&state.lock);
    state.loop = loop;
    state.setUp = true;
    g_cond_broadcast(&state.changed);
    g_mutex_unlock(&state.lock);
}

// Runs one private connection's loop, publishing the connection in the thread's variable.
void* runLoopThread(void* arg) {
    LoopThread& state = *static_cast<LoopThread*>(arg);
    GMainContext* context = g_main_context_new();
    GMainLoop* loop = g_main_loop_new(context, FALSE);

    GError* error = nullptr;
    DBusGConnection* connection = dbus_g_bus_get_private(DBUS_BUS_SYSTEM, context, &error);
    if (!connection) {
        g_printerr("error: dbus_g_bus_get_private: %s\n", error ? error->message : "");
        g_clear_error(&error);
        markSetUp(state, nullptr);
    } else {
        corv::keepProcessOnDisconnect(connection);
        *state.variable = dbus_g_connection_ref(connection);  // the variable's own reference
        markSetUp(state, loop);

        g_mutex_lock(&state.lock);
        bool quit = state.quitRequested;
        g_mutex_unlock(&state.lock);
        if (!quit) g_main_loop_run(loop);

        g_mutex_lock(&state.lock);
        state.loop = nullptr;
        g_mutex_unlock(&state.lock);
        if (state.release == Release::Connection) {
            // The variable goes back to the shared connection so that later proxies get
            // a live one; proxies made on this connection keep their own reference.
            if (*state.variable == connection) {
                *state.variable = corv::sharedConnection();
                corv::releaseConnection(connection);
            }
            dbus_connection_close(dbus_g_connection_get_connection(connection));
        }
        dbus_g_connection_unref(connection);  // the thread's reference
    }
    g_main_loop_unref(loop);
    g_main_context_unref(context);
    return nullptr;
}

bool start(LoopThread& state, const char* name, size_t stackBytes) {
    g_mutex_lock(&state.lock);
    state.quitRequested = false;
    state.setUp = false;
    g_mutex_unlock(&state.lock);
    return corv::startDetachedThread(name, runLoopThread, &state, stackBytes);
}

void quit(LoopThread& state) {
    g_mutex_lock(&state.lock);
    state.quitRequested = true;
    if (state.loop) {
        g_main_loop_quit(state.loop);
        g_main_context_wakeup(g_main_loop_get_context(state.loop));
    }
    g_mutex_unlock(&state.lock);
}

constexpr size_t kCallbackStackBytes = 2 * 1024 * 1024;

}  // namespace

extern "C" {

gpointer ProcessDbusRequestThread(gpointer) { return runLoopThread(&s_request1); }
gpointer ProcessDbusRequestThread2(gpointer) { return runLoopThread(&s_request2); }
gpointer ProcessDbusCbkThread(gpointer) { return runLoopThread(&s_callback); }

int InitBtsdkInitCbkDbus(void) {
    start(s_request1, "corv-request1", 0);
    start(s_request2, "corv-request2", 0);
    return 1;
}

int UninitBtsdkInitCbkDbus(void) {
    quit(s_request1);
    quit(s_request2);
    return 1;
}

int InitBtsdkCbkDbus(void) {
    // Wait until the thread has published its private connection, or failed and left
    // the previous connection in place, so that callbacks registered next use it.
    if (start(s_callback, "corv-callback", kCallbackStackBytes)) {
        g_mutex_lock(&s_callback.lock);
        while (!s_callback.setUp) g_cond_wait(&s_callback.changed, &s_callback.lock);
        g_mutex_unlock(&s_callback.lock);
    }
    return 1;
}

int UninitBtsdkCbkDbus(void) {
    quit(s_callback);
    return 1;
}

}  // extern "C"
