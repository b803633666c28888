// Files dropped on a device or an object-push shortcut, sent one after the other over one
// object-push connection through one progress window. A worker connects (to the device's
// object-push service, or through the shortcut), pushes each file, going on after one that
// failed, and disconnects; the window's Cancel ends the file in progress (cancelled on a
// second worker) and the rest. A box at the end says how many were sent and names those
// that failed or were not sent. The batch holds the process's object-push slot throughout
// and deletes itself when it is over.
#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <memory>

#include "profilekit/com_progress_dlg.h"

class ProfileWorker;
class TransferCancel;
class TransferStatusRelay;
class QWidget;

class PushBatch : public QObject {
    Q_OBJECT
public:
    struct Target {
        quint32 device = 0;    // connect to the device's object-push service...
        quint32 shortcut = 0;  // ...or through this shortcut, when set
        QString name;          // the device's name, for the windows
    };

    // Starts sending; null (after telling the user) while another object push runs.
    static PushBatch* start(const Target& target, const QStringList& files, QWidget* parent);
    // Cancels what still runs and waits for it.
    ~PushBatch() override;

    ComProgressDlg* progress() const { return progress_; }

private:
    PushBatch(const Target& target, const QStringList& files, QWidget* parent);
    void begin();
    void report(quint32 opType, quint32 outcome, quint32 value);
    void status(quint8 first, quint8 last, const QByteArray& filename, quint32 filesize, quint32 cursize);
    void showPosition();
    void cancel();
    void finish(quint32 connectResult);
    QString summary(quint32 connectResult) const;

    QWidget* parent_;
    Target target_;
    QStringList files_;
    QStringList failed_, notSent_;  // a file cancelled while it went was not sent
    int next_ = 0, sent_ = 0;  // the file in progress; the files sent
    quint32 connection_ = 0;
    bool cancelled_ = false;
    QPointer<ComProgressDlg> progress_;
    std::unique_ptr<TransferStatusRelay> relay_;
    std::unique_ptr<TransferCancel> cancel_;
    std::unique_ptr<ProfileWorker> worker_;
};
