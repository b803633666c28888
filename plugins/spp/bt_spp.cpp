#include "bt_spp.h"

#include <QAction>

#include <utility>

#include "bt_com_port.h"
#include "corvclient/btsdk.h"
#include "cvcommon/class_names.h"
#include "cvcommon/serial_device.h"
#include "cvcommon/service_classes.h"
#include "cvcommon/shortcut_helpers.h"
#include "device_param_bits.h"
#include "profilekit/modal_dialog.h"
#include "profilekit/profile_status_class.h"
#include "profilekit/rmt_profile_property_class.h"
#include "sppproperty_class.h"

BtSpp* BtSpp::s_pThis = nullptr;
QList<BtComPort*> BtSpp::s_comPorts;

namespace {

constexpr BTUINT32 kMaxShortcuts = 1024;

QString displayName() {
    QString name;
    CvCm_GetSvcDisplayName(btclass::kSerialPort, &name);
    return name;
}

}  // namespace

BtSpp::BtSpp(QWidget* parent) : m_pParent(parent), m_connect(parent) {}

BtSpp::~BtSpp() { deleteDispatchers(); }

void BtSpp::handlesReset() { deleteDispatchers(); }

void BtSpp::deleteDispatchers() { qDeleteAll(std::exchange(s_comPorts, {})); }

void BtSpp::SetShortcutHanlde(unsigned int shortcut) {
    if (readShortcuts().size() == size_t(s_comPorts.size())) resetHandles();
    m_hShortcut = shortcut;
    BtsdkShortcutProperty property{};
    property.shortcut = shortcut;
    if (!CvCm_ReadShortcutProperty(&property)) return;
    m_hDevice = property.device;
    m_hConnection = property.connection;
}

std::vector<unsigned int> BtSpp::readShortcuts() const {
    std::vector<unsigned int> handles(kMaxShortcuts);
    handles.resize(Btsdk_GetShortCutByDeviceHandle(m_hDevice, btclass::kSerialPort, handles.data(), kMaxShortcuts));
    return handles;
}

bool BtSpp::CheckServiceExit(unsigned int device, int, const unsigned int* shortcut) {
    BTUINT32 param = 0;
    if (Btsdk_GetRemoteDeviceParam(device, &param) != BTSDK_OK) return false;
    if (!(param & kServicesBrowsed)) return true;
    if (!(param & kServicesFound)) return false;
    BtsdkShortcutProperty property{};
    property.shortcut = *shortcut;
    return CvCm_ReadShortcutProperty(&property) && property.service != 0;
}

QAction* BtSpp::addAction(const QString& text, unsigned int handle, quint8 operation) {
    for (BtComPort* port : qAsConst(s_comPorts))
        if (port->handle() == handle && port->operation() == operation && port->action()->text() == text)
            return port->action();
    auto* action = new QAction(text, this);
    s_comPorts.append(new BtComPort(action, handle, this, operation));
    return action;
}

QString BtSpp::suffix(unsigned int shortcut, int number) {
    if (!CvCm_IsShortcutConnected(shortcut)) return QStringLiteral(" %1").arg(number);
    return QLatin1Char(' ') + CvCm_GetSerialDevicePath(CvCm_GetComPortByShortcut(shortcut, btclass::kSerialPort));
}

// The verb, a blank, the service's name and the suffix.
QString BtSpp::connectText(unsigned int shortcut, int number) {
    const QString verb = CvCm_IsShortcutConnected(shortcut) ? tr("&Disconnect") : tr("&Connect");
    return verb + QLatin1Char(' ') + displayName() + suffix(shortcut, number);
}

// Three passes over the shortcuts that count: connect or disconnect, status, properties.
QList<QAction*> BtSpp::GetActionList() {
    const std::vector<unsigned int> shortcuts = readShortcuts();
    QList<QAction*> list;
    for (int pass = 0; pass < 3; ++pass) {
        int number = 0;
        for (unsigned int shortcut : shortcuts) {
            if (!CheckServiceExit(m_hDevice, 1, &shortcut)) continue;
            ++number;
            const bool connected = CvCm_IsShortcutConnected(shortcut);
            if (pass == 0)
                list << addAction(connectText(shortcut, number), shortcut, connected ? OpDisconnect : OpConnect);
            else if (pass == 1)
                list << addAction(tr("&Status") + suffix(shortcut, number), shortcut, OpStatus);
            else
                list << addAction(tr("&Properties") + suffix(shortcut, number), shortcut, OpProperty);
        }
    }
    return list;
}

QList<QAction*> BtSpp::GetRemoteActionList() {
    const std::vector<unsigned int> shortcuts = readShortcuts();
    for (size_t i = 0; i < shortcuts.size(); ++i) {
        if (shortcuts[i] != m_hShortcut) continue;
        const bool connected = CvCm_IsShortcutConnected(m_hShortcut);
        return {addAction(connectText(m_hShortcut, int(i) + 1), m_hShortcut, connected ? OpDisconnect : OpConnect)};
    }
    return {};
}

QString BtSpp::getProfileTip(unsigned int shortcut) const {
    QString tip;
    if (!shortcut)
        tip = tr("Double-click to show service's property.\n");
    else if (CvCm_IsShortcutConnected(shortcut))
        tip = tr("Double-click to show service's status.\n");
    else
        tip = tr("Double-click to establish the connection.\n");
    return tip + tr("Right-click to get more options.");
}

// The first connected shortcut shows its status; else the first that counts connects.
void BtSpp::performDefaultActionByShortcut() {
    const std::vector<unsigned int> shortcuts = readShortcuts();
    for (unsigned int shortcut : shortcuts) {
        if (CvCm_IsShortcutConnected(shortcut)) return DispatchOperation(OpStatus, shortcut);
    }
    for (unsigned int shortcut : shortcuts) {
        if (CheckServiceExit(m_hDevice, 1, &shortcut)) return DispatchOperation(OpConnect, shortcut);
    }
}

void BtSpp::DispatchOperation(quint8 operation, unsigned int handle) {
    switch (operation) {
        case OpConnect: return actionConnect(handle);
        case OpDisconnect: return actionDisconnect(handle);
        case OpSvrEnable:
        case OpSvrDisable: return actionSvrEnable(handle);
        case OpStatus: return actionProfileStatus(handle);
        case OpSvrStatus: return actionSvrStatus(handle);
        case OpProperty: return actionProfileProperty(handle);
        case OpSvrProperty: return actionSvrProperty(handle);
        default: return;
    }
}

void BtSpp::actionProfileStatus(unsigned int shortcut) {
    if (!shortcut) return;
    ModalDialog<ProfileStatusClass> dialog(shortcut, true, m_pParent);
    dialog.exec();
}

void BtSpp::actionSvrStatus(unsigned int server) {
    ModalDialog<ProfileStatusClass> dialog(server, m_pParent);
    dialog.exec();
}

void BtSpp::actionProfileProperty(unsigned int shortcut) {
    if (!shortcut) return;
    ModalDialog<RmtProfilePropertyClass> dialog(shortcut, m_pParent);
    dialog.exec();
}

void BtSpp::actionSvrProperty(unsigned int server) { SpppropertyClass::ShowSvrPropertyDlg(server, nullptr, 0); }
