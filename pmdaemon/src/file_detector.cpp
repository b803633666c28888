#include "file_detector.h"

#include <inotifytools/inotify.h>
#include <inotifytools/inotifytools.h>
#include <pthread.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include "pm_event.h"
#include "pm_log.h"
#include "pm_paths.h"
#include "pm_threads.h"
#include "rfkill.h"
#include "state_file.h"

std::atomic<int32_t> s_sys_state{0};

namespace {

constexpr int32_t kSysRunning = 0;
constexpr int32_t kSysHibernating = 1;
constexpr int32_t kSysSuspending = 2;
constexpr int32_t kSysOffset = 4096;
constexpr int32_t kDevOffset = 8192;

// The last state seen, shared by the three files; the offsets keep theirs apart.
int32_t s_last_state = -2;

struct WatchList {
    std::string sys, dev;
    char* rfkill = nullptr;
    const char* names[4] = {};  // the watched files, ended by null
    bool watching = false;
};

void pm_file_thread_cleanup(void* arg) {
    auto* list = static_cast<WatchList*>(arg);
    if (list->watching) {
        for (const char** name = list->names; *name; ++name)
            inotifytools_remove_watch_by_filename(*name);
        inotifytools_cleanup();
        list->watching = false;
    }
    std::free(list->rfkill);
    list->rfkill = nullptr;
}

void on_sys_file(const char* path) {
    char text[kPmFileMaxBytes + 1];
    int length = read_pm_text(path, text);
    // An empty or unreadable file, or bytes that are no text, state nothing.
    if (length <= 0 || !is_state_text(text, static_cast<size_t>(length)))
        return;
    int state = classify_pm_text(text, static_cast<size_t>(length));
    if (state + kSysOffset == s_last_state)
        return;
    s_last_state = state + kSysOffset;
    int32_t type = PM_EV_UNKNOWN, sys_state = kSysRunning;
    if (state == PM_STATE_SUSPEND) {
        type = PM_EV_SYS_SUSPEND;
        sys_state = kSysSuspending;
    } else if (state == PM_STATE_HIBERNATE) {
        type = PM_EV_SYS_HIBERNATE;
        sys_state = kSysHibernating;
    } else if (state == PM_STATE_RESUME) {
        type = PM_EV_SYS_RESUME_FROM_SUSPEND;
    } else if (state == PM_STATE_THAW) {
        type = PM_EV_SYS_RESUME_FROM_HIBERNATE;
    }
    pthread_mutex_lock(&mutex_pm_event);
    push_current_event(pm_event_new(type, nullptr, 0));
    s_sys_state = sys_state;
    pthread_cond_signal(&cond_pm_event);
    pthread_mutex_unlock(&mutex_pm_event);
}

void on_dev_file(const char* path) {
    int state = read_pm_file(path);
    if (state + kDevOffset == s_last_state)
        return;
    s_last_state = state + kDevOffset;
    if (state == PM_STATE_SUSPEND)
        pm_push_event(PM_EV_DEV_SUSPEND);
}

void on_rfkill_file(const char* path) {
    hold_rfkill_flag();
    int self = rfkill_is_self_changed();
    set_and_release_rfkill_flag(0);
    if (self)
        return;  // the daemon's own write
    int state = read_pm_file(path);
    if (state == s_last_state)
        return;
    s_last_state = state;
    if (state == PM_STATE_ONE)
        pm_push_event(PM_EV_RF_SW_KILL_ON);
    else if (state == PM_STATE_ZERO)
        pm_push_event(PM_EV_RF_SW_KILL_OFF);
}

void on_closed_after_write(const WatchList& list, const char* name) {
    if (!name)
        return;
    if (list.sys == name)
        on_sys_file(name);
    else if (list.dev == name)
        on_dev_file(name);
    else if (list.rfkill && std::strcmp(list.rfkill, name) == 0)
        on_rfkill_file(name);
}

}  // namespace

void* pm_file_status_detector(void*) {
    WatchList list;
    list.sys = pm_path(kPmSysStateFile);
    list.dev = pm_path(kPmDevStateFile);
    list.rfkill = find_rfkill_state_file();
    list.names[0] = list.sys.c_str();
    list.names[1] = list.dev.c_str();
    list.names[2] = list.rfkill;  // null ends the list early when the device has none

    // Cancellation only takes effect while the thread waits for the next event.
    pthread_setcanceltype(PTHREAD_CANCEL_DEFERRED, nullptr);
    pthread_setcancelstate(PTHREAD_CANCEL_DISABLE, nullptr);
    pthread_cleanup_push(pm_file_thread_cleanup, &list);
    list.watching = inotifytools_initialize() != 0;
    if (!list.watching || inotifytools_watch_files(list.names, IN_ALL_EVENTS) == 0) {
        pm_error("%s\n", std::strerror(inotifytools_error()));
    } else {
        while (!g_pm_thread_exit) {
            pthread_setcancelstate(PTHREAD_CANCEL_ENABLE, nullptr);
            inotify_event* event = inotifytools_next_event(-1);
            pthread_setcancelstate(PTHREAD_CANCEL_DISABLE, nullptr);
            if (!event && inotifytools_error() == EINTR)
                continue;
            if (!event || g_pm_thread_exit)
                break;
            if (event->mask & IN_CLOSE_WRITE)
                on_closed_after_write(list, inotifytools_filename_from_wd(event->wd));
        }
    }
    pthread_cleanup_pop(1);
    return nullptr;
}
