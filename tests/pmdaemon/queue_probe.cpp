#include "queue_probe.h"

#include "harness.h"
#include "pm_event.h"

namespace pmtest {

Types queuedTypes() {
    Types types;
    pthread_mutex_lock(&mutex_pm_event);
    for (int i = 0; i < ev_cur_len; ++i) types.push_back(ev_queue[i]->type);
    pthread_mutex_unlock(&mutex_pm_event);
    return types;
}

Types takeQueued() {
    Types types;
    pthread_mutex_lock(&mutex_pm_event);
    while (pm_event* event = get_current_event()) {
        types.push_back(event->type);
        pm_event_free(event);
    }
    pthread_mutex_unlock(&mutex_pm_event);
    return types;
}

bool waitForQueued(size_t count, int timeoutMs) {
    return corvtest::waitFor([count] { return queuedTypes().size() >= count; }, timeoutMs);
}

void pushEvents(const Types& types) {
    for (int type : types) pm_push_event(type);
}

}  // namespace pmtest
