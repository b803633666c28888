// The client library's calls that take a while (pairing, browsing, switching Bluetooth on
// or off) run here on worker threads; each outcome comes back as a signal, queued to the
// user-interface thread where this object lives.
#pragma once

#include <QObject>
#include <QThreadPool>

#include <functional>

class SdkTasks : public QObject {
    Q_OBJECT
public:
    explicit SdkTasks(QObject* parent = nullptr);
    ~SdkTasks() override;  // waits for the calls still running

    void pair(quint32 device);
    void browse(quint32 device);
    void setPower(bool on);

Q_SIGNALS:
    void paired(quint32 device, quint32 result);
    void browsed(quint32 device, quint32 result);
    void powerSet(bool on, quint32 result);

private:
    void run(std::function<void()> call);
    QThreadPool pool_;
};
