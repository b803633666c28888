#include "dispatcher.h"

#include "btsdk_client.h"
#include "notify.h"
#include "pm_log.h"
#include "pm_threads.h"
#include "rfkill.h"

void handle_pm_event(const pm_event* event) {
    switch (event->type) {
        case PM_EV_SYS_SUSPEND:
            pm_print("receive event sys_suspend.");
            stop_bluetooth();
            notify_complete();
            break;
        case PM_EV_SYS_HIBERNATE:
            pm_print("receive event sys_hibernate.");
            hardware_unplug();
            stop_bluetooth();
            notify_complete();
            break;
        case PM_EV_SYS_RESUME_FROM_SUSPEND:
            pm_print("receive event sys_resume_from_suspend.");
            start_bluetooth();
            break;
        case PM_EV_SYS_RESUME_FROM_HIBERNATE:
            pm_print("receive event sys_resume_from_hibernate.");
            start_bluetooth();
            break;
        case PM_EV_DEV_SUSPEND:
            pm_print("receive event dev_suspend.");
            break;
        case PM_EV_HW_UNPLUG:
            pm_print("receive event hw_unplug.");
            hardware_unplug();
            stop_bluetooth();
            break;
        case PM_EV_HW_PLUGIN:
            pm_print("receive event hw_plugin.");
            start_bluetooth();
            break;
        case PM_EV_RF_SW_KILL_ON:
            hci_sw_rf_kill_on();
            pm_print("receive event rf_sw_kill_on.");
            break;
        case PM_EV_RF_SW_KILL_OFF:
            hci_sw_rf_kill_off();
            pm_print("receive event rf_sw_kill_off.");
            break;
        case PM_EV_RF_HW_KILL_ON:
            update_rfkill_state(1);
            pm_print("receive event rf_hw_kill_on.");
            break;
        case PM_EV_RF_HW_KILL_OFF:
            update_rfkill_state(2);
            pm_print("receive event rf_hw_kill_off.");
            break;
        case PM_EV_HW_ERROR:
            stop_bluetooth();
            start_bluetooth();
            break;
        default:
            pm_print("unknown event,ingore it!");
            break;
    }
}

void* thread_dispatch(void*) {
    while (!g_pm_thread_exit) {
        pthread_mutex_lock(&mutex_pm_event);
        pm_event* event = nullptr;
        // A wake-up without an event (or a spurious one) waits again; the exit flag ends
        // the wait.
        while (!(event = get_current_event()) && !g_pm_thread_exit)
            pthread_cond_wait(&cond_pm_event, &mutex_pm_event);
        if (event)
            handle_pm_event(event);
        pm_event_free(event);
        pthread_mutex_unlock(&mutex_pm_event);
    }
    pm_print("thread_dispatch exit...");
    return nullptr;
}

bool dispatch_pm_events() {
    pthread_t thread;
    return start_pm_thread(&thread, thread_dispatch, true);
}
