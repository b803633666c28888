#include "transfer_progress.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <thread>

#include "command.h"

namespace corvctl {

namespace {

using Clock = std::chrono::steady_clock;

// The current file: when it began and the bytes of its chunks so far. Reports come on one
// library thread.
Clock::time_point s_started;
uint64_t s_done = 0;
std::atomic<bool> s_lineOpen{false};  // a progress line waits for its end

// Ctrl-C is turned into a byte on this pipe, which the watcher of the running transfer
// reads: the library must not be called from a signal handler. The pipe lives as long as
// the process, so that a handler that runs late never writes into a reused descriptor.
int s_pipe[2] = {-1, -1};
constexpr char kInterrupt = 'i';
constexpr char kFinished = 'f';

void onInterrupt(int) {
    int saved = errno;
    ssize_t written = write(s_pipe[1], &kInterrupt, 1);
    static_cast<void>(written);  // a full pipe holds a Ctrl-C already
    errno = saved;
}

void endProgressLine() {
    if (s_lineOpen.exchange(false)) std::fprintf(stderr, "\n");
}

// Reads the pipe until the transfer is over; the first Ctrl-C cancels it and gives Ctrl-C
// back its default action.
void watch(const std::function<void()>& cancel, std::atomic<bool>& interrupted) {
    char byte = 0;
    while (read(s_pipe[0], &byte, 1) == 1 && byte != kFinished) {
        if (interrupted.exchange(true)) continue;
        std::signal(SIGINT, SIG_DFL);
        endProgressLine();
        std::fprintf(stderr, "corvctl: cancelling the transfer\n");
        cancel();
    }
}

}  // namespace

void showProgress(BTUINT8 first, BTUINT8 last, const char* filename, BTUINT32 filesize,
                  BTUINT32 cursize) {
    if (first) {
        s_started = Clock::now();
        s_done = 0;
    } else if (!last) {
        s_done += cursize;  // each report between the first and the last carries one chunk
    }
    double seconds = std::chrono::duration<double>(Clock::now() - s_started).count();
    double rate = seconds > 0 ? s_done / seconds : 0;  // bytes per second
    std::fprintf(stderr, "\r%s  %llu/%u bytes  %.1f KiB/s", filename ? filename : "",
                 static_cast<unsigned long long>(s_done), filesize, rate / 1024);
    if (rate > 0 && filesize >= s_done)
        std::fprintf(stderr, "  %.0f s left", (filesize - s_done) / rate);
    std::fprintf(stderr, last ? "\n" : "   ");
    s_lineOpen = !last;
    std::fflush(stderr);
}

int runTransfer(const std::function<BTRESULT()>& transfer, const std::function<void()>& cancel,
                const char* verb, const char* done, const std::string& name) {
    if (s_pipe[0] < 0 && pipe2(s_pipe, O_CLOEXEC) != 0)
        return fail("cannot watch for Ctrl-C", BTSDK_ER_FAIL);
    std::atomic<bool> interrupted{false};
    std::thread watcher(watch, std::cref(cancel), std::ref(interrupted));
    struct sigaction action {}, previous {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, &previous);
    BTRESULT r = transfer();
    sigaction(SIGINT, &previous, nullptr);
    ssize_t written = write(s_pipe[1], &kFinished, 1);
    static_cast<void>(written);  // the pipe is empty but for Ctrl-Cs: a byte always fits
    watcher.join();
    endProgressLine();
    if (r == BTSDK_OK) {
        std::printf("%s %s\n", done, name.c_str());
        return 0;
    }
    if (!interrupted) return fail(std::string("cannot ") + verb + " " + name, r);
    std::fprintf(stderr, "corvctl: %s %s cancelled (result %u)\n", verb, name.c_str(), r);
    return kCancelledStatus;
}

}  // namespace corvctl
