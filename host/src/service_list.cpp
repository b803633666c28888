#include "service_list.h"

#include <QAction>
#include <QMenu>
#include <QTreeWidget>

#include "corvclient/btsdk.h"
#include "cvcommon/class_names.h"
#include "cvcommon/profile_plug_mng.h"
#include "device_info.h"
#include "cvcommon/shortcut_helpers.h"
#include "plugin_menu.h"
#include "skin_icons.h"

namespace {

enum Column { kName, kClass };
constexpr int kHandleRole = Qt::UserRole, kClassRole = Qt::UserRole + 1;

quint32 serviceOf(const QTreeWidgetItem* item) { return item ? item->data(kName, kHandleRole).toUInt() : 0; }

BTSHCHDL shortcutOf(BTDEVHDL device, BTSVCHDL service) {
    BTSHCHDL shortcut = 0;
    return Btsdk_GetShortCutByServiceHandle(device, service, &shortcut, 1) ? shortcut : 0;
}

QTreeWidgetItem* serviceItem(BTDEVHDL device, BTSVCHDL service, const BtsdkRemoteServiceAttr& attr) {
    auto* item = new QTreeWidgetItem;
    QString className, tip;
    CvCm_GetSvcDisplayName(attr.service_class, &className);
    item->setIcon(kName, profileIcon(attr.service_class, false));
    item->setText(kName, fieldText(attr.service_name, sizeof attr.service_name));
    item->setText(kClass, className);
    item->setData(kName, kHandleRole, service);
    item->setData(kName, kClassRole, attr.service_class);
    if (BTSHCHDL shortcut = shortcutOf(device, service)) tip = ProfilePlugMng::getProfileTipByShortcut(shortcut, 0);
    if (tip.isEmpty()) CvCm_GetRmtSvcDesc(attr.service_class, &tip);
    for (int column : {kName, kClass}) item->setToolTip(column, tip);
    return item;
}

}  // namespace

ServiceList::ServiceList(QTreeWidget* view) : QObject(view), view_(view) {
    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view_, &QTreeWidget::customContextMenuRequested, this, &ServiceList::showMenu);
    connect(view_, &QTreeWidget::itemDoubleClicked, this, &ServiceList::runDefaultAction);
}

quint32 ServiceList::selectedService() const { return serviceOf(view_->currentItem()); }

void ServiceList::show(quint32 device) {
    device_ = device;
    view_->clear();
    if (!device) return;
    BTSDKHANDLE enumeration = Btsdk_StartEnumRemoteService(device);
    if (!enumeration) return;
    BtsdkRemoteServiceAttr attr{};
    while (BTSVCHDL service = Btsdk_EnumRemoteService(enumeration, &attr)) {
        view_->addTopLevelItem(serviceItem(device, service, attr));
        Btsdk_FreeMemory(attr.ext_attributes);
        attr = {};
    }
    Btsdk_EndEnumRemoteService(enumeration);
}

quint32 ServiceList::selectClass(quint16 serviceClass) {
    for (int i = 0; i < view_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = view_->topLevelItem(i);
        if (item->data(kName, kClassRole).toUInt() != serviceClass) continue;
        view_->setCurrentItem(item);
        return serviceOf(item);
    }
    return 0;
}

quint32 ServiceList::createShortcut(quint32 service) {
    unsigned int shortcut = 0;
    if (!device_ || !service || CvCm_CreateShortCut(device_, service, &shortcut) != BTSDK_OK) return 0;
    Q_EMIT shortcutsChanged();
    return shortcut;
}

void ServiceList::showMenu(const QPoint& pos) {
    QTreeWidgetItem* item = view_->itemAt(pos);
    if (!item) return;
    quint32 service = serviceOf(item);
    BTSHCHDL shortcut = shortcutOf(device_, service);
    QList<QAction*> pluginActions = shortcut ? ProfilePlugMng::GetRemoteActionListByShortcut(shortcut)
                                             : ProfilePlugMng::GetActionListBySvcHandle(device_, service);
    auto* create = new QAction(tr("Create shortcut"));
    create->setEnabled(!shortcut);
    connect(create, &QAction::triggered, this, [this, service] { createShortcut(service); });
    popupMenu(view_, QStringLiteral("serviceMenu"), pluginActions, {create},
              view_->viewport()->mapToGlobal(pos));
}

void ServiceList::runDefaultAction(QTreeWidgetItem* item) {
    quint32 service = serviceOf(item);
    BTSHCHDL shortcut = shortcutOf(device_, service);
    if (!shortcut) shortcut = createShortcut(service);
    if (shortcut) ProfilePlugMng::performDefaultActionByShortcut(shortcut);
    Q_EMIT shortcutsChanged();
}
