// The daemon's thread set: seven joinable threads in fixed slots, each with a 1 MiB
// stack, and the flag that asks them to end.
#pragma once

#include <pthread.h>

#include <atomic>

enum PmThreadSlot {
    PM_THREAD_FILE_STATUS = 0,  // state-file detector
    PM_THREAD_HOTPLUG = 1,      // hot-plug detector
    PM_THREAD_FLIGHT_MODE_ON = 2,
    PM_THREAD_FLIGHT_MODE_OFF = 3,
    PM_THREAD_RF_SW_KILL = 4,
    PM_THREAD_SIGNALS = 5,  // signal listener
    PM_THREAD_MONITOR = 6,  // server monitor
    PM_THREAD_SLOTS = 7,
};

extern pthread_t g_threads[PM_THREAD_SLOTS];
extern std::atomic<int> g_pm_thread_exit;

// Starts a thread with a 1 MiB stack, joinable or detached.
bool start_pm_thread(pthread_t* thread, void* (*entry)(void*), bool detached);
// Starts the thread of one slot / ends and joins the one running there.
bool start_detect_thread(int slot);
void stop_detect_thread(int slot);

void create_detect_threads();
// Sets the exit flag, wakes the dispatcher, and ends and joins the seven threads.
void destroy_detect_threads();
// Replaces the state-file detector: cancel, 2 seconds for the new device's files to
// appear, start anew.
void restart_rfkill_detect_thread();

// Thread entry points with nothing to do.
void* pm_flight_mode_on(void* unused);
void* pm_flight_mode_off(void* unused);
void* pm_RF_sw_kill(void* unused);
