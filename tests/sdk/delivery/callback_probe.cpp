// One start of a small application that registers a callback, asks the stand-in service
// for a burst of signals and counts what reaches it. Used by the delivery stress test.
//
//   callback_probe plain|qt COUNT
//
// "plain" runs no loop of its own, unless CORVCLIENT_APP_MAIN_LOOP=1 says that it
// iterates the default main context: then it runs a GMainLoop there. "qt" is a
// QCoreApplication whose callbacks reach a user-interface object through a queued call,
// as the manager's do. Prints "received K of N" and exits 0 when all N arrived in time,
// 1 when some were lost, 3 when a Qt timer of the main thread fired on another thread.
#include <QCoreApplication>
#include <QObject>
#include <QThread>
#include <QTimer>

#include <gio/gio.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "corvclient/btsdk.h"

namespace {

constexpr gint64 kWaitUs = 5 * G_USEC_PER_SEC;

std::atomic<int> s_arrived{0};   // callbacks seen on the library's side
std::atomic<int> s_delivered{0};  // counted where the application wants them
QObject* s_receiver = nullptr;

// Other probes run at the same time and the signals reach them all: each probe's signals
// carry its process id above the low 8 bits, and it counts only its own.
BTUINT32 tagged(int i) { return (static_cast<BTUINT32>(getpid()) << 8) | static_cast<BTUINT32>(i); }

void onInquiryResult(BTUINT32 value) {
    if ((value >> 8) != static_cast<BTUINT32>(getpid())) return;
    ++s_arrived;
    if (s_receiver) {
        QMetaObject::invokeMethod(s_receiver, [] { ++s_delivered; }, Qt::QueuedConnection);
    } else {
        ++s_delivered;
    }
}

bool declaredLoop() {
    const char* env = std::getenv("CORVCLIENT_APP_MAIN_LOOP");
    return env && env[0] && std::strcmp(env, "0") != 0;
}

// A connection of the probe's own to the service's control interface, opened before the
// library starts so that the burst follows the registration at once.
GDBusConnection* openControl() {
    GError* error = nullptr;
    GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SYSTEM, nullptr, &error);
    if (!bus) {
        std::fprintf(stderr, "no bus: %s\n", error->message);
        g_error_free(error);
    }
    return bus;
}

// Asks the service to emit `count` inquiry results.
bool requestBurst(GDBusConnection* bus, int count) {
    if (!bus) return false;
    GError* error = nullptr;
    bool ok = true;
    for (int i = 1; ok && i <= count; ++i) {
        std::string args = "(uint32 " + std::to_string(tagged(i)) + ",)";
        GVariant* reply = g_dbus_connection_call_sync(
            bus, "com.zel.corvane", "/com/zel/corvane/simctl", "com.zel.corvane.simctl",
            "EmitSignal",
            g_variant_new("(sss)", "com.zel.corvane.btservicecbk.btsdkcbk", "inquiry_result_ind",
                          args.c_str()),
            nullptr, G_DBUS_CALL_FLAGS_NONE, 5000, nullptr, &error);
        if (reply) {
            g_variant_unref(reply);
        } else {
            std::fprintf(stderr, "EmitSignal: %s\n", error->message);
            g_clear_error(&error);
            ok = false;
        }
    }
    return ok;
}

bool registerCallback() {
    BtsdkCallbackRecord record{BTSDK_INQUIRY_RESULT_IND,
                               reinterpret_cast<BtsdkEventCallback>(onInquiryResult)};
    return Btsdk_RegisterCallback(&record) == BTSDK_OK;
}

int finish(GDBusConnection* control, int count) {
    g_object_unref(control);
    int delivered = s_delivered.load();
    std::printf("received %d of %d (%d reached the library's callback)\n", delivered, count,
                s_arrived.load());
    Btsdk_ClientUninit();
    return delivered == count ? 0 : 1;
}

int runPlain(int count) {
    GDBusConnection* control = openControl();
    if (Btsdk_ClientInit() != BTSDK_OK || !registerCallback() || !requestBurst(control, count)) {
        return 2;
    }
    gint64 deadline = g_get_monotonic_time() + kWaitUs;
    if (declaredLoop()) {
        GMainLoop* loop = g_main_loop_new(nullptr, FALSE);
        struct Wait {
            GMainLoop* loop;
            int count;
            gint64 deadline;
        } wait{loop, count, deadline};
        g_timeout_add(5, [](gpointer data) -> gboolean {
            auto* w = static_cast<Wait*>(data);
            if (s_delivered.load() < w->count && g_get_monotonic_time() < w->deadline) return TRUE;
            g_main_loop_quit(w->loop);
            return FALSE;
        }, &wait);
        g_main_loop_run(loop);
        g_main_loop_unref(loop);
    } else {
        while (s_delivered.load() < count && g_get_monotonic_time() < deadline) g_usleep(5000);
    }
    return finish(control, count);
}

// The library starts before the application object, as in a program that starts it
// first: the order in which a library thread that took GLib's default context kept Qt's
// event dispatcher from owning it.
int runQt(int argc, char** argv, int count) {
    GDBusConnection* control = openControl();
    if (Btsdk_ClientInit() != BTSDK_OK) return 2;
    QCoreApplication app(argc, argv);
    QObject receiver;
    s_receiver = &receiver;
    // A timer of the user-interface thread must fire on that thread only, also while the
    // thread is busy in the library's start-up and runs no loop.
    std::atomic<int> strayTicks{0};
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        if (QThread::currentThread() != app.thread()) ++strayTicks;
    });
    tick.start(1);
    if (!registerCallback() || !requestBurst(control, count)) return 2;
    gint64 deadline = g_get_monotonic_time() + kWaitUs;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (s_delivered.load() >= count || g_get_monotonic_time() >= deadline) app.quit();
    });
    poll.start(5);
    app.exec();
    int code = finish(control, count);
    s_receiver = nullptr;
    if (strayTicks.load() > 0) {
        std::printf("a user-interface timer fired %d times on another thread\n", strayTicks.load());
        return 3;
    }
    return code;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 || (std::strcmp(argv[1], "plain") != 0 && std::strcmp(argv[1], "qt") != 0)) {
        std::fprintf(stderr, "usage: callback_probe plain|qt COUNT\n");
        return 2;
    }
    int count = std::atoi(argv[2]);
    if (count < 1 || count > 255) {
        std::fprintf(stderr, "COUNT is 1 to 255\n");
        return 2;
    }
    return std::strcmp(argv[1], "qt") == 0 ? runQt(argc, argv, count) : runPlain(count);
}
