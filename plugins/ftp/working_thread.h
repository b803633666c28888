// WorkingThread: the browser window's worker. It makes the blocking connect, transfer,
// delete, disconnect and cancel calls off the user-interface thread and reports each
// outcome through OperationInd (1 success, 2 failure; 4 and 3 around a connect).
//
//   1 connect     wparam device, lparam class     (1,4,0) (1,3,0) then (1,1,conn) or (1,2,code)
//   2 get         FtpOperationRecord             (2,1,0) or (2,2,0)
//   3 put         FtpOperationRecord             (3,1,0) or (3,2,code)
//   4 disconnect  wparam connection               (4,1,0) or (4,2,0)
//   5 cancel      wparam connection               (5,1,type) or (5,2,type): the last transfer's kind
//   6 delete      FtpOperationRecord             (6,1,0) or (6,2,0)
#pragma once

#include "profilekit/profile_worker.h"

class WorkingThread : public ProfileWorker {
    Q_OBJECT

public:
    enum Op : quint32 { Connect = 1, Get = 2, Put = 3, Disconnect = 4, Cancel = 5, Delete = 6 };
    enum Outcome : quint32 { Succeeded = 1, Failed = 2, ConnectReturned = 3, ConnectStarting = 4 };

    explicit WorkingThread(QObject* parent = nullptr);
    ~WorkingThread() override;

    // The kind of the last transfer started in the process (Get or Put), 0 after a cancel
    // or a disconnect; it labels the report of a cancel.
    static quint32 transferType();
};
