// The test plug-in's worker: its operation table over the shared worker.
#pragma once

#include "profilekit/profile_worker.h"

class WorkingThread : public ProfileWorker {
    Q_OBJECT

public:
    explicit WorkingThread(QObject* parent = nullptr);
};
