#include "notify.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <string>
#include <thread>

#include "pm_log.h"
#include "pm_paths.h"

int g_fifo_reader_wait_ms = 10000;

namespace {

constexpr auto kReaderPoll = std::chrono::milliseconds(10);

// The FIFO opened for writing once a reader is there, or -1 (errno set) when none came
// in time or it cannot be opened.
int open_when_read(const std::string& path) {
    auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(g_fifo_reader_wait_ms);
    for (;;) {
        int fd = open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0 || errno != ENXIO || std::chrono::steady_clock::now() >= deadline)
            return fd;
        std::this_thread::sleep_for(kReaderPoll);
    }
}

}  // namespace

void notify_complete() {
    std::string path = pm_path(kPmFifo);
    struct stat info;
    if (stat(path.c_str(), &info) != 0 || !S_ISFIFO(info.st_mode))
        return;
    int fd = open_when_read(path);
    if (fd < 0) {
        pm_error("failed to write FIFO %s:%s.\n", path.c_str(), std::strerror(errno));
        return;
    }
    if (write(fd, "dumb", 4) != 4)
        pm_error("failed to write FIFO %s:%s.\n", path.c_str(), std::strerror(errno));
    close(fd);
}
