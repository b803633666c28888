// ProfileStatusClass: the "%1 Status" window of one profile, for a local server (by its
// handle) or for a remote-service shortcut. It refreshes itself once a second from the
// client library: status, duration, connected devices, role, bytes sent and received and
// the radio signal strength, and offers Properties, Enable/Disable (servers), Disconnect
// and Unplug (input-device shortcuts).
#pragma once

#include <QDialog>

#include <memory>

#include "profilekit_api.h"

class QTimer;
struct BtsdkShortcutProperty;

namespace Ui {
class ProfileStatusDlg;
}

class PROFILEKIT_EXPORT ProfileStatusClass : public QDialog {
    Q_OBJECT

public:
    // Server mode.
    explicit ProfileStatusClass(unsigned int serverHandle, QWidget* parent = nullptr);
    // Shortcut mode when isShortcut is true; otherwise a bare dialog without content.
    ProfileStatusClass(unsigned int shortcutHandle, bool isShortcut, QWidget* parent = nullptr);
    ~ProfileStatusClass() override;

    // Whether a connection was matched as incoming from the shortcut's own device.
    static bool IsInCommingConn(quint16 ownClass, quint16 connClass);

public Q_SLOTS:
    void TimerUpdate();
    void RefreshManual();

private Q_SLOTS:
    void on_pushButton_Properties_clicked();
    void on_pushButton_DisableEnable_clicked();
    void on_comboBox_ConnectDevNames_activated(int index);

protected:
    void changeEvent(QEvent* event) override;

private:
    void startUp();
    void retranslateUi();
    void readServer();
    // The shortcut's property record, read again; readShortcut keeps what the window
    // follows of it (class, service, device and connection).
    struct BtsdkShortcutProperty shortcutProperty() const;
    void readShortcut();
    void RefreshConnectHdl();
    void RefreshUi();
    void Enumconnectionhandle();
    void ShowConn();
    void ShowActivity();
    void ShowRadioSignalStrength();
    void ShowDisconnectbutton();
    void disconnectShortcut();

    std::unique_ptr<Ui::ProfileStatusDlg> ui_;
    QTimer* m_timer = nullptr;
    quint16 m_svcClass = 0;
    bool m_incoming = false;
    bool m_isShortcut = false;
    unsigned int m_shortcut = 0;
    unsigned int m_service = 0;
    unsigned int m_device = 0;
    unsigned int m_connection = 0;
};
