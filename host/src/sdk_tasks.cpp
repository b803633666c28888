#include "sdk_tasks.h"

#include "corvclient/btsdk.h"

SdkTasks::SdkTasks(QObject* parent) : QObject(parent) { pool_.setMaxThreadCount(4); }

SdkTasks::~SdkTasks() { pool_.waitForDone(); }

void SdkTasks::run(std::function<void()> call) { pool_.start(std::move(call)); }

void SdkTasks::pair(quint32 device) {
    run([this, device] { Q_EMIT paired(device, Btsdk_PairDevice(device)); });
}

void SdkTasks::browse(quint32 device) {
    run([this, device] {
        BTUINT32 count = 0;
        Q_EMIT browsed(device, Btsdk_BrowseRemoteServices(device, nullptr, &count));
    });
}

void SdkTasks::setPower(bool on) {
    run([this, on] { Q_EMIT powerSet(on, on ? Btsdk_StartBluetooth() : Btsdk_StopBluetooth()); });
}
