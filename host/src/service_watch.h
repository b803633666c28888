// Watches whether the Bluetooth service can be reached and says when it left and when it
// came back. Once a second a ServiceProbe asks the bus, on a worker thread so that a slow
// bus never holds up the window. When the service stops while the bus stays, the client
// library's proxies follow its name and work again once it is back. When the bus itself
// went away, the library's connection is dead for good: once the bus and the service
// answer again, the watch stops and starts the library on this (the user-interface)
// thread, which opens a new connection and keeps the callbacks registered before.
// On every return the plug-ins start their servers again, which the new service does
// not know.
#pragma once

#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include "service_probe.h"

class ServiceWatch : public QObject {
    Q_OBJECT
public:
    explicit ServiceWatch(QObject* parent = nullptr);
    ~ServiceWatch() override;  // waits for a probe still running

    bool present() const { return present_; }

Q_SIGNALS:
    void left();
    void returned();

private:
    void probe();
    void probed(bool serviceOnBus);
    void setPresent(bool present);

    ServiceProbe probe_;  // used by one worker at a time
    QThreadPool pool_;
    QTimer clock_;
    bool probing_ = false;
    bool present_ = true;  // the manager starts only when the service answers
};
