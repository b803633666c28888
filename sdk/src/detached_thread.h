// Starts the library's own threads: detached, named, with a chosen stack size.
#pragma once

#include <cstddef>

namespace corv {

// stackBytes 0 takes the system default. Returns false (after printing why) when the
// thread cannot be started.
bool startDetachedThread(const char* name, void* (*body)(void*), void* arg, size_t stackBytes);

}  // namespace corv
