#include "bt_com_port.h"

#include <QAction>

#include "bt_spp.h"

BtComPort::BtComPort(QAction* action, unsigned int handle, BtSpp* owner, quint8 operation)
    : m_action(action), m_handle(handle), m_owner(owner), m_operation(operation) {
    connect(m_action, &QAction::triggered, this, &BtComPort::actionSlot);
}

BtComPort::~BtComPort() { delete m_action; }

void BtComPort::actionSlot() { m_owner->DispatchOperation(m_operation, m_handle); }
