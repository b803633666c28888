#include "adapter_panel.h"

#include <QLabel>
#include <QPushButton>

#include "device_info.h"
#include "sdk_bridge.h"
#include "sdk_tasks.h"
#include "skin_icons.h"

AdapterPanel::AdapterPanel(const AdapterWidgets& widgets, SdkTasks* tasks, QObject* parent)
    : QObject(parent), w_(widgets), tasks_(tasks) {
    w_.picture->setPixmap(localDeviceIcon().pixmap(kDeviceIconSize));
    connect(w_.power, &QPushButton::clicked, this, &AdapterPanel::togglePower);
    connect(tasks_, &SdkTasks::powerSet, this, &AdapterPanel::refresh);
    connect(&SdkBridge::instance(), &SdkBridge::bluetoothStatus, this, &AdapterPanel::refresh);
}

void AdapterPanel::refresh() {
    AdapterInfo info = readAdapter();
    w_.name->setText(info.name.isEmpty() ? tr("(no name)") : info.name);
    w_.address->setText(info.address);
    w_.state->setText(info.ready ? tr("Bluetooth is on") : tr("Bluetooth is off"));
    w_.power->setEnabled(true);
    w_.power->setText(info.ready ? tr("Turn off") : tr("Turn on"));
    if (info.ready != ready_) {
        ready_ = info.ready;
        Q_EMIT readyChanged(ready_);
    }
}

void AdapterPanel::togglePower() {
    w_.power->setEnabled(false);
    w_.power->setText(ready_ ? tr("Turning off…") : tr("Turning on…"));
    tasks_->setPower(!ready_);
}
