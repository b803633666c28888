#include "time_string.h"

#include <cstdio>
#include <ctime>

#include "corvclient/btsdk_frame.h"

namespace corv {

void formatTimeString(const struct timeval& when, char* buf, size_t size) {
    struct tm local {};
    time_t seconds = when.tv_sec;
    localtime_r(&seconds, &local);
    std::snprintf(buf, size, "[%02d:%02d:%02d:%06d]", local.tm_hour, local.tm_min, local.tm_sec,
                  static_cast<int>(when.tv_usec));
}

}  // namespace corv

extern "C" char* GetCurrentTimeString(void) {
    static char s_text[32];
    struct timeval now {};
    if (gettimeofday(&now, nullptr) != 0) std::perror("gettimeofday");
    corv::formatTimeString(now, s_text, sizeof s_text);
    return s_text;
}
