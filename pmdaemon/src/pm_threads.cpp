#include "pm_threads.h"

#include <unistd.h>

#include <mutex>

#include "file_detector.h"
#include "hotplug.h"
#include "pm_event.h"
#include "server_monitor.h"
#include "signal_listener.h"

pthread_t g_threads[PM_THREAD_SLOTS];
std::atomic<int> g_pm_thread_exit{0};

namespace {

constexpr size_t kStackBytes = 1024 * 1024;
constexpr unsigned kRestartDelaySeconds = 2;

using Entry = void* (*)(void*);
const Entry kEntries[PM_THREAD_SLOTS] = {pm_file_status_detector, pm_hw_hotplug,
                                         pm_flight_mode_on,       pm_flight_mode_off,
                                         pm_RF_sw_kill,           pm_connect_signal_to_server,
                                         pm_monitor_bt_server};

// Which slots hold a thread not yet joined; guards the table against a restart from the
// hot-plug detector while the daemon stops.
bool s_started[PM_THREAD_SLOTS];
std::mutex s_table_mutex;

}  // namespace

bool start_pm_thread(pthread_t* thread, void* (*entry)(void*), bool detached) {
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setstacksize(&attr, kStackBytes);
    pthread_attr_setdetachstate(&attr,
                                detached ? PTHREAD_CREATE_DETACHED : PTHREAD_CREATE_JOINABLE);
    bool started = pthread_create(thread, &attr, entry, nullptr) == 0;
    pthread_attr_destroy(&attr);
    return started;
}

bool start_detect_thread(int slot) {
    std::lock_guard<std::mutex> hold(s_table_mutex);
    if (s_started[slot])
        return false;
    s_started[slot] = start_pm_thread(&g_threads[slot], kEntries[slot], false);
    return s_started[slot];
}

void stop_detect_thread(int slot) {
    pthread_t thread;
    {
        std::lock_guard<std::mutex> hold(s_table_mutex);
        if (!s_started[slot])
            return;
        s_started[slot] = false;
        thread = g_threads[slot];
    }
    // The detectors wait without a time limit and the monitor sleeps between its checks:
    // they are cancelled there; the listener's loop is ended.
    if (slot == PM_THREAD_SIGNALS)
        quit_signal_listener();
    else if (slot == PM_THREAD_FILE_STATUS || slot == PM_THREAD_HOTPLUG ||
             slot == PM_THREAD_MONITOR)
        pthread_cancel(thread);
    pthread_join(thread, nullptr);
}

void create_detect_threads() {
    for (int slot = 0; slot < PM_THREAD_SLOTS; ++slot) start_detect_thread(slot);
}

void destroy_detect_threads() {
    g_pm_thread_exit = 1;
    pthread_mutex_lock(&mutex_pm_event);
    pthread_cond_broadcast(&cond_pm_event);
    pthread_mutex_unlock(&mutex_pm_event);
    for (int slot = 0; slot < PM_THREAD_SLOTS; ++slot) stop_detect_thread(slot);
}

void restart_rfkill_detect_thread() {
    stop_detect_thread(PM_THREAD_FILE_STATUS);
    sleep(kRestartDelaySeconds);
    if (!g_pm_thread_exit)
        start_detect_thread(PM_THREAD_FILE_STATUS);
}

void* pm_flight_mode_on(void*) {
    return nullptr;
}

void* pm_flight_mode_off(void*) {
    return nullptr;
}

void* pm_RF_sw_kill(void*) {
    return nullptr;
}
