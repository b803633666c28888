// The one hand-over point from the client library's threads to the user-interface
// thread: the library's callbacks (and the plug-ins' calls of the host function, which
// may come from a library thread too) emit these signals, and every receiver lives on the
// user-interface thread, so Qt queues each delivery there.
#pragma once

#include <QObject>
#include <QString>

class SdkBridge : public QObject {
    Q_OBJECT
public:
    // The bridge of the process; create it on the user-interface thread.
    static SdkBridge& instance();
    // Moves the indications to the library's callback thread and registers for them.
    void registerCallbacks();

Q_SIGNALS:
    void inquiryResult(quint32 device);
    void inquiryComplete();
    void pinRequested(quint32 device);
    void confirmationRequested(quint32 device, quint32 value);
    void passkeyShown(quint32 device, quint32 passkey);
    void authenticationFailed(quint32 device);
    void connectionsChanged();
    // A connection event (1 a remote device connected to a local server, 2 a link dropped,
    // 3 a client disconnected) with the device and service class of its property record.
    void connectionEvent(quint32 connection, quint32 event, quint32 device, quint32 serviceClass);
    // A remote device asks to use the local server `service`.
    void authorizationRequested(quint32 service, quint32 device);
    void bluetoothStatus(quint32 status);
    void fileReceived(const QString& folder, const QString& file);

private:
    SdkBridge() = default;
};
