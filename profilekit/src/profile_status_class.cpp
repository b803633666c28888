#include "profilekit/profile_status_class.h"

#include <QEvent>
#include <QPixmap>
#include <QTimer>

#include <cmath>

#include "corvclient/btsdk.h"
#include "cvcommon/class_names.h"
#include "cvcommon/cv_skin.h"
#include "cvcommon/profile_plug_mng.h"
#include "cvcommon/shortcut_helpers.h"
#include "profilekit/modal_dialog.h"
#include "profilekit/rmt_profile_property_class.h"
#include "profilekit/server_switch.h"
#include "ui_profile_status_dlg.h"

namespace {

constexpr int kRefreshMs = 1000;
constexpr BTRESULT kNoConnection = 0x0301;  // what a property read of a gone link answers
constexpr quint16 kHid = 0x1124, kHeadset = 0x1108, kHandsFree = 0x111E;
constexpr int kPictureProfile = 2, kStateIdle = 4, kStateConnected = 6;

// Audio and input classes whose traffic the device's own counters give.
bool countedByDevice(quint16 serviceClass) {
    switch (serviceClass) {
        case 0x110A: case 0x110B: case 0x110D: case 0x1108: case 0x1112: case 0x111E: case 0x111F:
            return true;
        default:
            return false;
    }
}

}  // namespace

ProfileStatusClass::ProfileStatusClass(unsigned int serverHandle, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::ProfileStatusDlg>()), m_service(serverHandle) {
    ui_->setupUi(this);
    readServer();
    startUp();
}

ProfileStatusClass::ProfileStatusClass(unsigned int shortcutHandle, bool isShortcut, QWidget* parent)
    : QDialog(parent), m_isShortcut(isShortcut) {
    if (!isShortcut) return;
    ui_ = std::make_unique<Ui::ProfileStatusDlg>();
    ui_->setupUi(this);
    m_shortcut = shortcutHandle;
    readShortcut();
    startUp();
}

ProfileStatusClass::~ProfileStatusClass() = default;

void ProfileStatusClass::startUp() {
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &ProfileStatusClass::TimerUpdate);
    m_timer->start(kRefreshMs);
    ui_->progressBar_SignalStrength->setRange(0, 255);
    ui_->progressBar_SignalStrength->setValue(0);
    for (QWidget* hidden : {static_cast<QWidget*>(ui_->label_ConnectWith), static_cast<QWidget*>(ui_->label_Role),
                            static_cast<QWidget*>(ui_->comboBox_ConnectDevNames),
                            static_cast<QWidget*>(ui_->label_ConnectDevName),
                            static_cast<QWidget*>(ui_->label_RoleName),
                            static_cast<QWidget*>(ui_->pushButton_DisableEnable)}) {
        hidden->hide();
    }
    RefreshConnectHdl();
    RefreshUi();
    retranslateUi();
    setWindowFlags(Qt::Window);
}

bool ProfileStatusClass::IsInCommingConn(quint16 ownClass, quint16 connClass) {
    return (ownClass == 0x111E && (connClass == 0x1112 || connClass == 0x111F)) ||
           (ownClass == 0x1108 && connClass == 0x1112) || (ownClass == 0x110B && connClass == 0x110A);
}

void ProfileStatusClass::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange && ui_) retranslateUi();
    QDialog::changeEvent(event);
}

void ProfileStatusClass::retranslateUi() {
    ui_->retranslateUi(this);
    QString name;
    CvCm_GetSvcDisplayName(m_svcClass, &name);
    setWindowTitle(tr("%1 Status").arg(name));
}

void ProfileStatusClass::readServer() {
    BtsdkLocalServerAttr attr{};
    Btsdk_GetServerAttributes(m_service, &attr);
    m_svcClass = attr.service_class;
}

BtsdkShortcutProperty ProfileStatusClass::shortcutProperty() const {
    BtsdkShortcutProperty property{};
    property.shortcut = m_shortcut;
    Btsdk_GetShortCutProperty(&property);
    return property;
}

void ProfileStatusClass::readShortcut() {
    const BtsdkShortcutProperty property = shortcutProperty();
    m_svcClass = property.service_class;
    m_service = property.service;
    m_device = property.device;
    m_connection = property.connection;
}

void ProfileStatusClass::TimerUpdate() {
    if (!m_isShortcut && m_service) readServer();
    if (m_isShortcut && m_shortcut) readShortcut();
    RefreshManual();
}

void ProfileStatusClass::RefreshManual() {
    RefreshConnectHdl();
    RefreshUi();
}

void ProfileStatusClass::RefreshUi() {
    ShowConn();
    ShowActivity();
    ShowRadioSignalStrength();
    ShowDisconnectbutton();
}

void ProfileStatusClass::RefreshConnectHdl() {
    ui_->comboBox_ConnectDevNames->clear();
    m_connection = 0;
    Enumconnectionhandle();
    if (!m_isShortcut) {
        ui_->label_Role->hide();
        ui_->label_RoleName->hide();
        if (m_connection) {
            ui_->label_ConnectWith->show();
        } else {
            ui_->label_ConnectWith->hide();
            ui_->label_ConnectDevName->hide();
            ui_->comboBox_ConnectDevNames->hide();
        }
        return;
    }
    ui_->label_ConnectWith->hide();
    ui_->label_ConnectDevName->hide();
    ui_->comboBox_ConnectDevNames->hide();
    if (!m_connection) {
        ui_->label_Role->hide();
        ui_->label_RoleName->hide();
    }
}

// The connections of this server or shortcut; the last one enumerated becomes current.
void ProfileStatusClass::Enumconnectionhandle() {
    BTSDKHANDLE enumeration = Btsdk_StartEnumConnection();
    if (!enumeration) return;
    BtsdkConnectionProperty record{};
    bool first = true;
    while (BTCONNHDL connection = Btsdk_EnumConnection(enumeration, &record)) {
        const bool incoming = IsInCommingConn(m_svcClass, record.service_class);
        if (record.service != m_service && !(incoming && record.device == m_device)) continue;
        const QString name = CvCm_GetRmtDevName(record.device, 128);
        m_connection = connection;
        if (first) {
            ui_->comboBox_ConnectDevNames->hide();
            ui_->label_ConnectDevName->show();
            m_incoming = incoming;
            ui_->comboBox_ConnectDevNames->addItem(name, QVariant::fromValue(uint(connection)));
            first = false;
        } else {
            ui_->comboBox_ConnectDevNames->show();
            ui_->label_ConnectDevName->hide();
            ui_->comboBox_ConnectDevNames->addItem(name, QVariant::fromValue(uint(connection)));
            ui_->comboBox_ConnectDevNames->setCurrentIndex(ui_->comboBox_ConnectDevNames->count() - 1);
        }
    }
    Btsdk_EndEnumConnection(enumeration);
}

void ProfileStatusClass::on_comboBox_ConnectDevNames_activated(int index) {
    m_connection = ui_->comboBox_ConnectDevNames->itemData(index).toUInt();
    RefreshUi();
}

void ProfileStatusClass::ShowConn() {
    const QString picture = CCvSkin::GetImgPath(kPictureProfile, m_svcClass,
                                                m_connection ? kStateConnected : kStateIdle);
    ui_->label_StatusIcon->setPixmap(QPixmap(picture));
    QString status;
    BtsdkConnectionProperty record{};
    if (!m_isShortcut) {
        CvCm_GetLocSvcStatusString(m_service, &status);
        ui_->label_ConnectionStatus->setText(status);
        if (m_connection && Btsdk_GetConnectionProperty(m_connection, &record) == BTSDK_OK) {
            ui_->label_ConnectDevName->setText(CvCm_GetRmtDevName(record.device, 64));
        }
        return;
    }
    ui_->label_ConnectDevName->setText(CvCm_GetRmtDevName(shortcutProperty().device, 64));
    CvCm_GetRmtSvcStatusString(m_shortcut, &status);
    ui_->label_ConnectionStatus->setText(status);
    BTUINT16 role = 0;
    if (m_connection && Btsdk_GetConnectionProperty(m_connection, &record) == BTSDK_OK &&
        Btsdk_GetRemoteDeviceRole(record.device, &role) == BTSDK_OK) {
        ui_->label_Role->show();
        ui_->label_RoleName->show();
        if (role == 0) ui_->label_RoleName->setText(tr("Master"));
        if (role == 1) ui_->label_RoleName->setText(tr("Slave"));
    } else {
        ui_->label_Role->hide();
        ui_->label_RoleName->hide();
    }
}

void ProfileStatusClass::ShowActivity() {
    if (!m_connection) return;
    BtsdkConnectionProperty record{};
    if (Btsdk_GetConnectionProperty(m_connection, &record) == kNoConnection) return;
    const uint seconds = record.duration_ms / 1000;
    ui_->label_DurationTime->setText(QStringLiteral("%1:%2:%3")
                                         .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
                                         .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
                                         .arg(seconds % 60, 2, 10, QLatin1Char('0')));
    BTUINT32 received = record.received_bytes, sent = record.sent_bytes;
    if (countedByDevice(record.service_class)) {
        m_device = record.device;
        received = sent = 0;
        if (Btsdk_IsDeviceConnected(m_device)) Btsdk_RemoteDeviceFlowStatistic(m_device, &received, &sent);
    }
    ui_->label_SentBytes->setText(QStringLiteral("%L1").arg(sent));
    ui_->label_ReceivedBytes->setText(QStringLiteral("%L1").arg(received));
}

void ProfileStatusClass::ShowRadioSignalStrength() {
    qint8 rssi = -127;
    if (m_connection) {
        BtsdkConnectionProperty record{};
        if (Btsdk_GetConnectionProperty(m_connection, &record) == kNoConnection) {
            ui_->progressBar_SignalStrength->setValue(0);
            return;
        }
        BTUINT8 raw = 0;
        Btsdk_GetRemoteRSSI(record.device, &raw);
        rssi = static_cast<qint8>(raw);
    }
    // Maps -127 to 0, 0 to 127 and +127 to 253 along an arc tangent.
    ui_->progressBar_SignalStrength->setValue(static_cast<int>(std::atan2(rssi, 4.0) * 81.897856 + 127.0));
}

void ProfileStatusClass::ShowDisconnectbutton() {
    QPushButton* button = ui_->pushButton_DisableEnable;
    if (m_isShortcut) {
        if (!m_connection) {
            button->hide();
            return;
        }
        button->show();
        button->setText(shortcutProperty().service_class == kHid ? tr("U&nplug") : tr("&Disconnect"));
        return;
    }
    button->show();
    bool connected = false;
    if (BTSDKHANDLE enumeration = Btsdk_StartEnumConnection()) {
        BtsdkConnectionProperty record{};
        while (Btsdk_EnumConnection(enumeration, &record)) {
            if (record.service == m_service) connected = true;
        }
        Btsdk_EndEnumConnection(enumeration);
    }
    if (connected) {
        button->setText(tr("Disconnect"));
        return;
    }
    BTUINT16 status = 0;
    Btsdk_GetServerStatus(m_service, &status);
    if (status == BTSDK_SERVER_STOPPED) button->setText(tr("Enable"));
    if (status == BTSDK_SERVER_RUNNING) button->setText(tr("Disable"));
}

void ProfileStatusClass::on_pushButton_DisableEnable_clicked() {
    if (m_isShortcut) {
        if (m_connection) disconnectShortcut();
    } else {
        if (!Btsdk_IsBluetoothReady()) return;
        if (m_connection) {
            Btsdk_Disconnect(m_connection);
            ui_->comboBox_ConnectDevNames->removeItem(ui_->comboBox_ConnectDevNames->currentIndex());
        } else {
            SwitchServerFromStatusWindow(m_service);
        }
    }
    RefreshConnectHdl();
    RefreshUi();
}

// Ends the shortcut's connection; an input device is also unplugged, and unpaired when
// its class says so.
void ProfileStatusClass::disconnectShortcut() {
    if (m_svcClass == kHandsFree || m_svcClass == kHeadset) {
        Btsdk_SCO_Stop();
        Btsdk_Disconnect(m_connection);
        return;
    }
    if (m_svcClass != kHid) {
        Btsdk_Disconnect(m_connection);
        return;
    }
    BtsdkShortcutProperty property{};
    property.shortcut = m_shortcut;
    property.mask = 8;
    if (!CvCm_ReadShortcutProperty(&property)) return;
    const BTUINT32 deviceClass = property.device_class;
    const bool peripheral = (deviceClass & 0x1F00) != 0x1F00;
    if (peripheral && (deviceClass & 0x404) == 0x404) Btsdk_Disconnect(property.connection);
    // The device's address is the shortcut's 6-byte field.
    Btsdk_Hid_ClntUnPluggedDev(reinterpret_cast<const BTUINT8*>(property.short_text));
    BTUINT8 paired = 0;
    if (peripheral && (deviceClass & 0x500) == 0x500 &&
        Btsdk_IsDevicePaired(property.device, &paired) == BTSDK_OK && paired == 1) {
        Btsdk_UnPairDevice(property.device);
    }
}

void ProfileStatusClass::on_pushButton_Properties_clicked() {
    if (m_isShortcut) {
        ModalDialog<RmtProfilePropertyClass> properties(m_shortcut, this);
        properties.exec();
        return;
    }
    ProfilePlugMng::ShowSvrPropertyDlg(m_service, this, 0);
}
