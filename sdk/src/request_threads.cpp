// Request threads 1 and 2 and the callback thread: each runs a main loop on a context
// of its own that dispatches a private bus connection.
#include <condition_variable>
#include <memory>
#include <mutex>

#include "detached_thread.h"
#include "corvclient/btsdk_ftp.h"
#include "frame_state.h"
#include "dispatching_threads.h"

namespace {

enum class Release { Connection, KeepOpen };

struct LoopThread {
    DBusGConnection** variable;
    Release release;
    DBusBusType bus;
    GMutex lock;
    GCond changed;
    GMainLoop* loop = nullptr;  // guarded by lock, set while the thread runs
    bool quitRequested = false;
    bool setUp = false;  // the thread has published its connection or given up
};

LoopThread s_request1{&g_dbus_connection, Release::Connection, DBUS_BUS_SYSTEM, {}, {}};
LoopThread s_request2{&g_dbus_connection2, Release::KeepOpen, DBUS_BUS_SYSTEM, {}, {}};
LoopThread s_callback{&g_dbus_cbk_connection, Release::Connection, DBUS_BUS_SYSTEM, {}, {}};
// The file-transfer area's signals come on a private session-bus connection.
LoopThread s_ftp{&g_dbus_ftp_connection, Release::Connection, DBUS_BUS_SESSION, {}, {}};

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
    DBusGConnection* connection = dbus_g_bus_get_private(state.bus, context, &error);
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
            // The variable goes back to the shared connection (none for another bus) so
            // that later proxies get a live one; proxies made on this connection keep
            // their own reference.
            if (*state.variable == connection) {
                *state.variable = state.bus == DBUS_BUS_SYSTEM ? corv::sharedConnection() : nullptr;
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

constexpr size_t kCallbackStackBytes = 2 * 1024 * 1024;  // callback and file-transfer threads

LoopThread* const kLoopThreads[] = {&s_request1, &s_request2, &s_callback, &s_ftp};

// A piece of work handed to a loop thread; shared, so that a caller that stops waiting
// leaves it valid for the thread.
struct Job {
    std::function<void()> work;
    std::mutex lock;
    std::condition_variable finished;
    bool done = false;
};

gboolean runJob(gpointer data) {
    auto* job = static_cast<std::shared_ptr<Job>*>(data);
    (*job)->work();
    std::lock_guard<std::mutex> lock((*job)->lock);
    (*job)->done = true;
    (*job)->finished.notify_all();
    return G_SOURCE_REMOVE;
}

void freeJob(gpointer data) { delete static_cast<std::shared_ptr<Job>*>(data); }

// A loop thread that quits before it runs the work leaves it undone: the caller waits
// this long at most.
constexpr auto kJobWait = std::chrono::seconds(10);

}  // namespace

namespace corv {

bool runOnDispatchingThread(DBusGConnection* connection, const std::function<void()>& work) {
    if (!connection) return false;
    GMainContext* context = nullptr;
    for (LoopThread* state : kLoopThreads) {
        g_mutex_lock(&state->lock);
        if (*state->variable == connection && state->loop) {
            context = g_main_context_ref(g_main_loop_get_context(state->loop));
        }
        g_mutex_unlock(&state->lock);
        if (context) break;
    }
    // The shared connection on the application's default context: handed over only while
    // another thread owns the context, that is, is iterating it (or, as Qt's dispatcher
    // does, keeps it for good).
    if (!context && connection == sharedConnection() && !libraryContext()) {
        GMainContext* application = g_main_context_default();
        if (g_main_context_acquire(application)) {
            g_main_context_release(application);  // nobody dispatches it now
            return false;
        }
        context = g_main_context_ref(application);
    }
    if (!context) return false;
    if (g_main_context_is_owner(context)) {
        work();
    } else {
        auto job = std::make_shared<Job>();
        job->work = work;
        g_main_context_invoke_full(context, G_PRIORITY_DEFAULT, runJob,
                                   new std::shared_ptr<Job>(job), freeJob);
        std::unique_lock<std::mutex> lock(job->lock);
        job->finished.wait_for(lock, kJobWait, [&] { return job->done; });
    }
    g_main_context_unref(context);
    return true;
}

}  // namespace corv

extern "C" {

gpointer ProcessDbusRequestThread(gpointer) { return runLoopThread(&s_request1); }
gpointer ProcessDbusRequestThread2(gpointer) { return runLoopThread(&s_request2); }
gpointer ProcessDbusCbkThread(gpointer) { return runLoopThread(&s_callback); }
gpointer ProcessDbusFtpThread(gpointer) { return runLoopThread(&s_ftp); }

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

// Starts a thread and waits until it has published its private connection, or failed
// and left the previous connection in place, so that what is registered next uses it.
static void startAndWait(LoopThread& state, const char* name) {
    if (!start(state, name, kCallbackStackBytes)) return;
    g_mutex_lock(&state.lock);
    while (!state.setUp) g_cond_wait(&state.changed, &state.lock);
    g_mutex_unlock(&state.lock);
}

int InitBtsdkCbkDbus(void) {
    startAndWait(s_callback, "corv-callback");
    return 1;
}

int InitBtsdkFtpDbus(void) {
    startAndWait(s_ftp, "corv-ftp");
    return 1;
}

int UninitBtsdkFtpDbus(void) {
    quit(s_ftp);
    return 1;
}

int UninitBtsdkCbkDbus(void) {
    quit(s_callback);
    return 1;
}

}  // extern "C"
