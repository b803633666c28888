// ConnectProgress: the connect of the serial-port, dial-up and network plug-ins. It runs
// the connect operation on the plug-in's worker while a small modal window ("Connecting
// to %1..." with a Cancel button) shows, closes the window on the operation's final
// report and warns "Cannot connect to the remote device." on a failure the user did not
// cancel. Every report is passed on through OperationInd for the plug-in's own handling;
// finished() tells that the worker and the window are gone.
//
// The plug-in object keeps one ConnectProgress as a member (the widget given is the parent
// of its windows and boxes, not its owner). Before it looks for a free port it asks
// mayConnect(shortcut), then calls
//     m_connect.start(std::make_unique<WorkingThread>(), {ConnectProgress::connectingTo(name), 1, shortcut, port, 3});
// start returns false when the connect did not start: a second start while one runs
// (it shows "A connecting operation is in progress, please try again later.") or an
// operation the worker does not know. Cancel marks the worker cancelled; the operation looks
// at job.cancelled() and undoes what it made.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

#include "profilekit_api.h"

class ProfileWorker;
class QProgressDialog;
class QWidget;

class PROFILEKIT_EXPORT ConnectProgress : public QObject {
    Q_OBJECT

public:
    struct Request {
        QString label;            // the window's text
        quint32 opType = 1;       // the worker's connect operation
        quint32 wparam = 0, lparam = 0;
        quint32 failure = 2;      // the outcome that reports a failed connect
        bool cancellable = true;  // with a Cancel button
    };

    explicit ConnectProgress(QWidget* parent);
    // Closes the window; a running connect is cancelled and waited for.
    ~ConnectProgress() override;

    static QString connectingTo(const QString& device);

    // The checks before a connect, in this order: a connect already running (warned as
    // start() does), shortcut 0 (nothing shown), a shortcut already connected (warned
    // "A connection to this device already exists."). False when the connect must not go on.
    bool mayConnect(unsigned int shortcut);

    bool start(std::unique_ptr<ProfileWorker> worker, const Request& request);
    bool busy() const { return worker_ != nullptr; }
    bool cancelled() const { return cancelled_; }
    ProfileWorker* worker() const { return worker_.get(); }
    QProgressDialog* window() const;

Q_SIGNALS:
    void OperationInd(quint32 opType, quint32 wparam, quint32 lparam);
    void finished();

private:
    void warn(const QString& text);
    void report(quint32 opType, quint32 outcome, quint32 value);
    void cancelConnect();
    void workerFinished();
    void closeWindow();

    QWidget* parent_;
    std::unique_ptr<ProfileWorker> worker_;
    QPointer<QProgressDialog> window_;
    Request request_;
    bool cancelled_ = false;
};
