// Pairing with a remote device: the pairing call runs on a worker while the device's
// requests are answered here, a PIN in a dialog, a numeric value by confirmation, and a
// passkey to type on the device in a notice. Every request is answered exactly once,
// a dialog closed unanswered (or destroyed) as a refusal.
#pragma once

#include <QObject>
#include <QPointer>
#include <QSet>

class QMessageBox;
class QWidget;
class SdkTasks;

class Pairing : public QObject {
    Q_OBJECT
public:
    Pairing(SdkTasks* tasks, QWidget* window);
    void pair(quint32 device);
    bool busy(quint32 device) const { return pending_.contains(device); }

Q_SIGNALS:
    void finished(quint32 device, quint32 result);

private:
    void askPin(quint32 device);
    void askConfirmation(quint32 device, quint32 value);
    void showPasskey(quint32 device, quint32 passkey);
    void done(quint32 device, quint32 result);

    SdkTasks* tasks_;
    QWidget* window_;
    QSet<quint32> pending_;
    QPointer<QMessageBox> passkeyNotice_;
};
