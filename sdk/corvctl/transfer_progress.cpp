#include "transfer_progress.h"

#include <chrono>
#include <cstdio>

namespace corvctl {

namespace {

using Clock = std::chrono::steady_clock;

Clock::time_point s_started;  // of the current file; reports come on one library thread

}  // namespace

void showProgress(BTUINT8 first, BTUINT8 last, const char* filename, BTUINT32 filesize,
                  BTUINT32 cursize) {
    if (first) s_started = Clock::now();
    double seconds = std::chrono::duration<double>(Clock::now() - s_started).count();
    double rate = seconds > 0 ? cursize / seconds : 0;  // bytes per second
    std::fprintf(stderr, "\r%s  %u/%u bytes  %.1f KiB/s", filename ? filename : "", cursize,
                 filesize, rate / 1024);
    if (rate > 0 && filesize >= cursize)
        std::fprintf(stderr, "  %.0f s left", (filesize - cursize) / rate);
    std::fprintf(stderr, last ? "\n" : "   ");
    std::fflush(stderr);
}

}  // namespace corvctl
