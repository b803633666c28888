// The bracketed time-of-day text of GetCurrentTimeString.
#pragma once

#include <sys/time.h>

#include <cstddef>

namespace corv {

// Writes "[hh:mm:ss:uuuuuu]" for the local time of `when` into buf.
void formatTimeString(const struct timeval& when, char* buf, size_t size);

}  // namespace corv
