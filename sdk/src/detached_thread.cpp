#include "detached_thread.h"

#include <pthread.h>

#include <cstdio>
#include <cstring>

namespace corv {

bool startDetachedThread(const char* name, void* (*body)(void*), void* arg, size_t stackBytes) {
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setdetachstate(&attr, PTHREAD_CREATE_DETACHED);
    if (stackBytes) pthread_attr_setstacksize(&attr, stackBytes);
    pthread_t thread;
    int error = pthread_create(&thread, &attr, body, arg);
    pthread_attr_destroy(&attr);
    if (error) {
        std::fprintf(stderr, "%s: cannot start thread: %s\n", name, std::strerror(error));
        return false;
    }
    pthread_setname_np(thread, name);
    return true;
}

}  // namespace corv
