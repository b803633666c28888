// A scripted tour of the window for demonstrations without a display: discover, pair
// "Nova Phone" answering its PIN 1234, browse its services, make a shortcut to its file
// transfer service, open that shortcut's context menu, its status window and its
// properties, and the status window of the first local server. After each step a picture
// of the window goes into the folder; then the application quits.
#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class MainWindow;

class Tour : public QObject {
    Q_OBJECT
public:
    Tour(MainWindow* window, const QString& folder);
    void start();

private:
    struct Step {
        QString picture;                // file name of the picture taken when the step is done
        std::function<void()> action;   // what the step does
        std::function<bool()> done;     // polled until true or the step's time is up
        int timeoutMs;
    };
    void begin();
    void poll();
    void finish(bool done);
    quint32 phone() const;

    MainWindow* window_;
    QString folder_;
    QList<Step> steps_;
    int current_ = -1;
    QTimer poller_;
    QElapsedTimer clock_;
};
