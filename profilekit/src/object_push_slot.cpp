#include "profilekit/object_push_slot.h"

#include <atomic>

namespace {
std::atomic<bool> s_taken{false};
}

bool ObjectPushSlot::take() {
    bool expected = false;
    return s_taken.compare_exchange_strong(expected, true);
}

void ObjectPushSlot::release() {
    s_taken = false;
}
