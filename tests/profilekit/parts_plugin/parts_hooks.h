// What the parts test plug-in offers its tests beyond the plug-in contract: its record
// type and the extra entry points that reach its parts.
#pragma once

#include <atomic>

#include "profilekit/profile_worker.h"

struct ProfileHandles;
class ConnectProgress;

// The record of the worker's "is paired" operation; it counts its live copies.
struct PairedRecord : OperationRecord {
    PairedRecord(unsigned int deviceHandle, std::atomic<int>* liveCount) : device(deviceHandle), live(liveCount) {
        ++*live;
    }
    ~PairedRecord() override { --*live; }
    unsigned int device;
    std::atomic<int>* live;
};

// The worker's operations.
enum PartsOperation : quint32 { kOpConnect = 1, kOpConnectShortcut = 2, kOpPaired = 3 };

typedef ProfileHandles* (*PartsHandlesFunc)();
typedef ProfileWorker* (*PartsWorkerFunc)();
typedef ConnectProgress* (*PartsConnectFunc)();
