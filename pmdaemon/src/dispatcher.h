// The dispatcher: takes the queued events one at a time, in arrival order, and turns
// each into its service calls while holding the queue's lock.
#pragma once

#include "pm_event.h"

void handle_pm_event(const pm_event* event);
void* thread_dispatch(void* unused);
// Starts the dispatcher as a detached thread with a 1 MiB stack.
bool dispatch_pm_events();
