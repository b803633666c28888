// ObjectPushSlot: one object push at a time in a process. The client library keeps a
// single status callback for every object-push transfer of the process, so a second push
// (the object-push plug-in's send, the manager's dropped files) would take the first
// one's progress reports. A sender takes the slot before it connects and releases it once
// its transfers are over; one that cannot take it tells the user a send is running.
#pragma once

#include "profilekit_api.h"

class PROFILEKIT_EXPORT ObjectPushSlot {
public:
    // True when the slot was free and now belongs to the caller.
    static bool take();
    static void release();
};
