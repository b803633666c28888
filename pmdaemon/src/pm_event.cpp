#include "pm_event.h"

#include <cstdlib>

pm_event* ev_queue[kPmQueueSlots];
int ev_cur_len = 0;
pthread_mutex_t mutex_pm_event = PTHREAD_MUTEX_INITIALIZER;
pthread_cond_t cond_pm_event = PTHREAD_COND_INITIALIZER;

pm_event* pm_event_new(int32_t type, void* data, int32_t value) {
    auto* event = static_cast<pm_event*>(std::malloc(sizeof(pm_event)));
    if (!event)
        return nullptr;
    event->type = type;
    event->data = data;
    event->value = value;
    return event;
}

void pm_event_free(pm_event* event) {
    if (!event)
        return;
    std::free(event->data);
    std::free(event);
}

bool push_current_event(pm_event* event) {
    if (!event)
        return false;
    if (ev_cur_len >= kPmQueueMax) {
        pm_event_free(event);
        return false;
    }
    ev_queue[ev_cur_len++] = event;
    return true;
}

pm_event* get_current_event() {
    pm_event* head = ev_queue[0];
    for (int i = 0; i + 1 < kPmQueueSlots; ++i) ev_queue[i] = ev_queue[i + 1];
    if (ev_cur_len > 0)
        --ev_cur_len;
    ev_queue[ev_cur_len] = nullptr;
    return head;
}

void pm_push_event(int32_t type) {
    pthread_mutex_lock(&mutex_pm_event);
    push_current_event(pm_event_new(type, nullptr, 0));
    pthread_cond_signal(&cond_pm_event);
    pthread_mutex_unlock(&mutex_pm_event);
}
