// The event record and the one queue between the detectors and the dispatcher.
#pragma once

#include <pthread.h>

#include <cstdint>

enum PmEventType : int32_t {
    PM_EV_SYS_SUSPEND = 1,
    PM_EV_SYS_HIBERNATE = 2,
    PM_EV_SYS_RESUME_FROM_SUSPEND = 3,
    PM_EV_SYS_RESUME_FROM_HIBERNATE = 4,
    PM_EV_DEV_SUSPEND = 5,
    PM_EV_HW_UNPLUG = 7,
    PM_EV_HW_PLUGIN = 8,
    PM_EV_RF_SW_KILL_ON = 11,
    PM_EV_RF_SW_KILL_OFF = 12,
    PM_EV_RF_HW_KILL_ON = 13,
    PM_EV_RF_HW_KILL_OFF = 14,
    PM_EV_HW_ERROR = 16,
    PM_EV_UNKNOWN = 0xFFFF,  // a system state text that is none of the four words
};

struct pm_event {
    int32_t type;
    void* data;  // owned by the event, freed with it (malloc'ed) when not null
    int32_t value;
};

pm_event* pm_event_new(int32_t type, void* data, int32_t value);
void pm_event_free(pm_event* event);

constexpr int kPmQueueSlots = 16;
constexpr int kPmQueueMax = 15;  // the last slot stays null as the end marker

extern pm_event* ev_queue[kPmQueueSlots];
extern int ev_cur_len;
extern pthread_mutex_t mutex_pm_event;
extern pthread_cond_t cond_pm_event;

// Both are called with mutex_pm_event held. A push that finds the queue full frees the
// event and returns false.
bool push_current_event(pm_event* event);
pm_event* get_current_event();  // the head, or null when the queue is empty

// What every producer does: lock, push a new event of the type, signal, unlock.
void pm_push_event(int32_t type);
