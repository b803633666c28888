// WorkingThread: the serial-port plug-in's worker.
//
//   1 connect     wparam shortcut, lparam COM port   (1,1,connection) or (1,3,0); nothing
//                                                    when cancelled (a connection made
//                                                    is dropped)
//   2 disconnect  wparam shortcut                    (2,1,0) or (2,2,result)
//
// A connect that fails is tried once more through the shortcut of the device's first
// serial-port service after a fresh browse of its services (the shortcut may be stale);
// the port is then kept in the attribute block of the shortcut last tried.
#pragma once

#include "profilekit/profile_worker.h"

class WorkingThread : public ProfileWorker {
    Q_OBJECT

public:
    enum Op : quint32 { Connect = 1, Disconnect = 2 };
    enum Outcome : quint32 { ConnectFailed = 3 };

    explicit WorkingThread(QObject* parent = nullptr);
};
