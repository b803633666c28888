#include "hotplug.h"

#include <pthread.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "file_detector.h"
#include "pm_event.h"
#include "pm_log.h"
#include "pm_threads.h"
#include "uevent.h"

namespace {

void close_socket(void* fd) {
    close(*static_cast<int*>(fd));
}

// Waits until the socket is readable and reads one message; -1 on a failure.
ssize_t receive(int fd, char* text) {
    fd_set set;
    int ready;
    do {
        FD_ZERO(&set);
        FD_SET(fd, &set);
        pthread_setcancelstate(PTHREAD_CANCEL_ENABLE, nullptr);
        ready = select(fd + 1, &set, nullptr, nullptr, nullptr);
        pthread_setcancelstate(PTHREAD_CANCEL_DISABLE, nullptr);
    } while (ready < 0 && errno == EINTR);
    if (ready < 0)
        return -1;
    return recv(fd, text, kUeventMaxBytes, 0);
}

}  // namespace

void handle_uevent(const char* text, size_t length, int* mervoxa_state) {
    // The header string must end within the message before the keys can be read.
    const void* header_end = std::memchr(text, '\0', length);
    if (!header_end)
        return;
    size_t skip = static_cast<size_t>(static_cast<const char*>(header_end) - text) + 1;
    const char* keys = text + skip;
    const char* devpath = search_key("DEVPATH", keys, length - skip);
    const char* action = search_key("ACTION", keys, length - skip);
    if (!devpath || !action)
        return;
    bool mervoxa = std::strstr(devpath, "mervoxa") != nullptr;
    if (!mervoxa && !std::strstr(devpath, "btusb0"))
        return;
    if (std::strcmp(action, "add") == 0) {
        if (mervoxa) {
            if (*mervoxa_state == PM_PLUG_PRESENT)
                return;
            *mervoxa_state = PM_PLUG_PRESENT;
            restart_rfkill_detect_thread();
        }
        if (s_sys_state == 0)
            pm_push_event(PM_EV_HW_PLUGIN);
    } else if (std::strcmp(action, "remove") == 0) {
        if (mervoxa) {
            if (*mervoxa_state == PM_PLUG_REMOVED)
                return;
            *mervoxa_state = PM_PLUG_REMOVED;
        }
        if (s_sys_state == 0)
            pm_push_event(PM_EV_HW_UNPLUG);
    }
}

void* pm_hw_hotplug(void*) {
    int fd = open_uevent_source();
    if (fd < 0)
        return nullptr;
    int mervoxa_state = PM_PLUG_UNKNOWN;
    // Cancellation only takes effect while the thread waits for a message.
    pthread_setcanceltype(PTHREAD_CANCEL_DEFERRED, nullptr);
    pthread_setcancelstate(PTHREAD_CANCEL_DISABLE, nullptr);
    pthread_cleanup_push(close_socket, &fd);
    char text[kUeventMaxBytes + 1];
    while (!g_pm_thread_exit) {
        ssize_t got = receive(fd, text);
        if (got < 0) {
            pm_error("error receiving uevent message: %s\n", std::strerror(errno));
            continue;
        }
        text[got] = '\0';
        handle_uevent(text, static_cast<size_t>(got), &mervoxa_state);
    }
    pthread_cleanup_pop(1);
    return nullptr;
}
