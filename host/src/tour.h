// A scripted tour of the window for demonstrations without a display: discover, pair
// "Nova Phone" answering its PIN 1234, browse its services, make a shortcut to its file
// transfer service, open that shortcut's context menu, its status window and its
// properties, and the status window of the first local server; then the file-transfer
// browser on the phone in list and details views, a folder download with its progress
// window, and the local file-transfer server's properties (both pages); then a file sent
// to the phone by object push, an untrusted device's push asked for and received, the
// received files, and the local object-push server's properties (both pages). After each
// step a picture of the window goes into the folder; then the application quits. A step
// that does not finish in time ends the tour with status 1.
#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include "tour_step.h"

class MainWindow;

class Tour : public QObject {
    Q_OBJECT
public:
    Tour(MainWindow* window, const QString& folder);
    void start();

private:
    void begin();
    void poll();
    void finish(bool done);
    quint32 phone() const;

    MainWindow* window_;
    QString folder_;
    QList<TourStep> steps_;
    int current_ = -1;
    QTimer poller_;
    QElapsedTimer clock_;
};
