// Who sent a file that a remote device put on this computer: the device of the incoming
// connection to the local object-push or file-transfer server. The connection may well be
// gone by the time the file's notice reaches this thread (the service ends it once the
// file is over), so the connection events are followed: the one that is up, else the one
// that ended last (a few seconds ago at most), else whichever such connection the service
// lists now.
#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>

class IncomingSenders : public QObject {
    Q_OBJECT
public:
    explicit IncomingSenders(QObject* parent = nullptr);
    // The sender's device name, or "Unknown device".
    QString current() const;

private:
    void connectionEvent(quint32 connection, quint32 event, quint32 device, quint32 serviceClass);
    quint32 listedDevice() const;

    struct Link {
        quint32 connection = 0, device = 0;
        bool up = true;
        QElapsedTimer since;  // since it ended
    };
    QList<Link> links_;  // the last to come or go last
};
