#include "pm_log.h"

#include <cstdarg>
#include <cstdio>

void pm_print(const char* line) {
    std::puts(line);
    std::fflush(stdout);
}

void pm_error(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vfprintf(stderr, format, args);
    va_end(args);
    std::fflush(stderr);
}
