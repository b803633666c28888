// BtSpp: the plug-in object of the serial-port profile, one per process (s_pThis). Each
// menu entry it hands out is an action with a dispatcher (BtComPort) that remembers the
// shortcut or server and the operation: connect or disconnect a device's serial-port
// shortcuts on a free client COM port, their status and properties, and enable, status
// and properties of the local serial-port servers it registers at start-up.
#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <vector>

#include "profilekit/connect_progress.h"
#include "profilekit/profile_handles.h"

class BtComPort;
class QAction;
class QWidget;

class BtSpp : public QObject, public ProfileHandles {
    Q_OBJECT

public:
    enum Operation : quint8 {
        OpConnect = 1,
        OpDisconnect = 2,
        OpSvrEnable = 3,
        OpSvrDisable = 4,
        OpStatus = 5,
        OpSvrStatus = 6,
        OpProperty = 7,
        OpSvrProperty = 8
    };

    explicit BtSpp(QWidget* parent);
    // A running connect is cancelled and waited for; every dispatcher is deleted.
    ~BtSpp() override;

    static BtSpp* s_pThis;
    // Every dispatcher alive.
    static QList<BtComPort*> s_comPorts;

    // The shortcut and, from its record, its device and connection. The dispatchers go
    // only when the current device has as many serial-port shortcuts as there are
    // dispatchers.
    void SetShortcutHanlde(unsigned int shortcut);
    QList<QAction*> GetActionList();
    QList<QAction*> GetRemoteActionList();
    QList<QAction*> GetLocalSvrActionList();
    QString getProfileTip(unsigned int shortcut) const;
    void performDefaultActionByShortcut();
    void StartProfileServer();
    void StopProfileServer();

    // Whether a shortcut of the device counts: always while the device's services were
    // never browsed; after a browse only when one was found and the shortcut has a service.
    static bool CheckServiceExit(unsigned int device, int count, const unsigned int* shortcut);
    void DispatchOperation(quint8 operation, unsigned int handle);

    void actionConnect(unsigned int shortcut);
    void actionDisconnect(unsigned int shortcut);
    void actionSvrEnable(unsigned int server);
    void actionProfileStatus(unsigned int shortcut);
    void actionSvrStatus(unsigned int server);
    void actionProfileProperty(unsigned int shortcut);
    void actionSvrProperty(unsigned int server);

protected:
    void handlesReset() override;

private:
    // The existing entry of that text, handle and operation, or a new one.
    QAction* addAction(const QString& text, unsigned int handle, quint8 operation);
    static void deleteDispatchers();
    // The device's serial-port shortcuts.
    std::vector<unsigned int> readShortcuts() const;
    // " <n>" or, while connected, " <the port's device path>".
    static QString suffix(unsigned int shortcut, int number);
    static QString connectText(unsigned int shortcut, int number);

    QWidget* m_pParent;
    unsigned int m_hSvr[2] = {0, 0};
    ConnectProgress m_connect;
};
