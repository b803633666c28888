#include "device_list.h"

#include <QListWidget>

#include "cvcommon/class_names.h"
#include "device_info.h"
#include "skin_icons.h"

namespace {

constexpr int kHandleRole = Qt::UserRole;

quint32 deviceOf(const QListWidgetItem* item) { return item ? item->data(kHandleRole).toUInt() : 0; }

void show(QListWidgetItem* item, const DeviceInfo& info) {
    item->setText(info.name);
    item->setIcon(deviceIcon(info.deviceClass, info.connected, info.paired));
    item->setData(kHandleRole, info.handle);
    QStringList tip{QStringLiteral("<b>%1</b>").arg(info.name.toHtmlEscaped()), info.address,
                    CvCm_GetDeviceClsNameString(info.deviceClass),
                    info.paired ? DeviceList::tr("Paired") : DeviceList::tr("Not paired")};
    if (info.connected) tip.append(DeviceList::tr("Connected"));
    item->setToolTip(tip.join(QStringLiteral("<br>")));
}

}  // namespace

DeviceList::DeviceList(QListWidget* view) : QObject(view), view_(view) {
    connect(view_, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem* current) { Q_EMIT selected(deviceOf(current)); });
}

QListWidgetItem* DeviceList::itemOf(quint32 device) const {
    for (int i = 0; i < view_->count(); ++i)
        if (deviceOf(view_->item(i)) == device) return view_->item(i);
    return nullptr;
}

void DeviceList::reload() {
    QList<quint32> devices = knownDevices();
    for (int i = view_->count() - 1; i >= 0; --i)
        if (!devices.contains(deviceOf(view_->item(i)))) delete view_->takeItem(i);
    for (quint32 device : devices) update(device);
}

void DeviceList::update(quint32 device) {
    QListWidgetItem* item = itemOf(device);
    if (!item) {
        item = new QListWidgetItem;
        item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
        view_->addItem(item);
    }
    show(item, readDevice(device));
}

quint32 DeviceList::selectedDevice() const { return deviceOf(view_->currentItem()); }

quint32 DeviceList::deviceAt(const QPoint& pos) const { return deviceOf(view_->itemAt(pos)); }

void DeviceList::select(quint32 device) {
    if (QListWidgetItem* item = itemOf(device)) view_->setCurrentItem(item);
}

quint32 DeviceList::deviceNamed(const QString& name) const {
    for (int i = 0; i < view_->count(); ++i)
        if (view_->item(i)->text() == name) return deviceOf(view_->item(i));
    return 0;
}
