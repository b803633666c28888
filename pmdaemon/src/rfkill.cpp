#include "rfkill.h"

#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

#include <cstdlib>

#include "pm_log.h"
#include "pm_paths.h"
#include "state_file.h"

int rfkill_flag = 0;

namespace {

pthread_mutex_t rfkill_mutex = PTHREAD_MUTEX_INITIALIZER;

}  // namespace

int rfkill_is_self_changed() {
    return rfkill_flag;
}

void hold_rfkill_flag() {
    pthread_mutex_lock(&rfkill_mutex);
}

void set_and_release_rfkill_flag(int value) {
    rfkill_flag = value;
    pthread_mutex_unlock(&rfkill_mutex);
}

char* find_rfkill_state_file() {
    char* path = nullptr;
    return find_state_file(pm_path(kPmRfkillFolder).c_str(), "state", &path) == 0 ? path : nullptr;
}

void update_rfkill_state(int state) {
    char* path = find_rfkill_state_file();
    if (!path)
        return;
    hold_rfkill_flag();
    int fd = open(path, O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) {
        pm_error("create file:%s failed!\n", path);
        set_and_release_rfkill_flag(rfkill_flag);
        std::free(path);
        return;
    }
    if (write(fd, state == 1 ? "1" : "2", 1) != 1)
        pm_error("can not write file:%s.", path);
    close(fd);
    set_and_release_rfkill_flag(1);
    std::free(path);
}
