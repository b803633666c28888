// BtComPort: the dispatcher behind one menu entry of the serial-port plug-in. It owns its
// action and remembers the handle (a shortcut or a local server) and the operation that
// the entry runs through BtSpp::DispatchOperation.
#pragma once

#include <QObject>

class BtSpp;
class QAction;

class BtComPort : public QObject {
    Q_OBJECT

public:
    BtComPort(QAction* action, unsigned int handle, BtSpp* owner, quint8 operation);
    // Deletes the action with it.
    ~BtComPort() override;

    QAction* action() const { return m_action; }
    unsigned int handle() const { return m_handle; }
    quint8 operation() const { return m_operation; }

public Q_SLOTS:
    void actionSlot();

private:
    QAction* m_action;
    unsigned int m_handle;
    BtSpp* m_owner;
    quint8 m_operation;
};
