#include "drive_signal.h"

#include <atomic>
#include <vector>

#include "detached_thread.h"
#include "frame_state.h"

namespace {
// Each start of the thread gets a new generation; a thread leaves its loop as soon as
// the current generation is no longer its own, so a quick stop and start never leaves
// two threads iterating.
std::atomic<unsigned> s_generation{0};
std::atomic<bool> s_running{false};
std::atomic<int> s_iterating{0};  // threads still inside their loop
thread_local bool t_isDriveThread = false;
constexpr gint64 kStopWaitUs = 2 * G_USEC_PER_SEC;

constexpr gint kMaxPollMs = 250;

bool stillRunning(unsigned generation) {
    return s_running.load() && s_generation.load() == generation;
}
}  // namespace

namespace corv {

GMainContext* driveContext() {
    static GMainContext* context = g_main_context_new();  // lives as long as the process
    return context;
}

void startDriveSignalThread() {
    unsigned generation = ++s_generation;
    s_running.store(true);
    ++s_iterating;
    if (!startDetachedThread("corv-drive", drive_signal_thread, GUINT_TO_POINTER(generation), 0)) {
        s_running.store(false);
        --s_iterating;
    }
}

void stopDriveSignalThread() {
    quit_drive_signal_thread();
    if (t_isDriveThread) return;  // a stop from a callback: the thread leaves after it
    gint64 deadline = g_get_monotonic_time() + kStopWaitUs;
    while (s_iterating.load() > 0 && g_get_monotonic_time() < deadline) g_usleep(1000);
}

}  // namespace corv

extern "C" {

gpointer drive_signal_thread(gpointer data) {
    unsigned generation = GPOINTER_TO_UINT(data);
    t_isDriveThread = true;
    GMainContext* context = corv::driveContext();
    // Only this thread iterates the library's context; a thread of an earlier start may
    // still be finishing its last iteration, so ownership is awaited.
    bool owner = false;
    while (stillRunning(generation) && !(owner = g_main_context_acquire(context))) g_usleep(1000);
    while (stillRunning(generation)) g_main_context_iterate_my(context, TRUE, TRUE, nullptr);
    if (owner) g_main_context_release(context);
    --s_iterating;
    return nullptr;
}

void quit_drive_signal_thread(void) {
    s_running.store(false);
    g_main_context_wakeup(corv::driveContext());
}

gboolean g_main_context_iterate_my(GMainContext* context, gboolean block, gboolean dispatch,
                                   GThread* /*self*/) {
    gint maxPriority = 0;
    g_main_context_prepare(context, &maxPriority);

    // Start with room for 32 poll records and grow when the context asks for more.
    std::vector<GPollFD> fds(32);
    gint timeout = 0;
    gint needed;
    while ((needed = g_main_context_query(context, maxPriority, &timeout, fds.data(),
                                          static_cast<gint>(fds.size()))) >
           static_cast<gint>(fds.size())) {
        fds.assign(static_cast<size_t>(needed), GPollFD{});
    }
    // A bounded wait, so that a stop is seen soon even if its wake-up was missed.
    if (!block) {
        timeout = 0;
    } else if (timeout < 0 || timeout > kMaxPollMs) {
        timeout = kMaxPollMs;
    }

    GPollFunc poll = g_main_context_get_poll_func(context);
    poll(fds.data(), static_cast<guint>(needed), timeout);

    gboolean ready = g_main_context_check(context, maxPriority, fds.data(), needed);
    if (dispatch) {
        g_mutex_lock(g_btsdk_call_mutex);
        g_main_context_dispatch(context);
        g_mutex_unlock(g_btsdk_call_mutex);
    }
    return ready;
}

}  // extern "C"
