// Looks into the daemon's event queue as the dispatcher would, under its lock.
#pragma once

#include <cstddef>
#include <vector>

namespace pmtest {

using Types = std::vector<int>;

Types queuedTypes();
// Takes every queued event out (freeing it) and returns their types in order.
Types takeQueued();
// Waits until at least count events are queued.
bool waitForQueued(size_t count, int timeoutMs = 5000);
// Pushes the events as a producer does, one after the other.
void pushEvents(const Types& types);

}  // namespace pmtest
