#include "server_list.h"

#include <QAction>
#include <QMenu>
#include <QTreeWidget>

#include "corvclient/btsdk.h"
#include "cvcommon/class_names.h"
#include "cvcommon/profile_plug_mng.h"
#include "cvcommon/service_classes.h"
#include "device_info.h"
#include "item_rows.h"
#include "plugin_menu.h"
#include "profile_windows.h"
#include "serial_lines.h"
#include "skin_icons.h"

namespace {

enum Column { kClass, kStatus };

// A server shows under the name of its class (a serial one with its device); its own name
// leads its tool-tip.
QTreeWidgetItem* serverItem(BTSVCHDL server, const BtsdkLocalServerAttr& attr) {
    auto* item = new QTreeWidgetItem;
    QString status, className, tip;
    CvCm_GetLocSvcStatusString(server, &status);
    CvCm_GetSvcDisplayName(attr.service_class, &className);
    BTUINT16 state = 0;
    Btsdk_GetServerStatus(server, &state);
    if (btclass::isSerialType(attr.service_class)) {
        // Two serial servers differ by their port, the name of their device.
        if (const BTUINT16 port = Btsdk_GetServerPort(server)) className += QStringLiteral(" (ttyB%1)").arg(port);
        if (state == BTSDK_SERVER_IN_USE) status = withSerialDevices(status, serialDevicesOfServer(server));
    }
    item->setIcon(kClass, profileIcon(attr.service_class, state == BTSDK_SERVER_IN_USE));
    item->setText(kClass, className);
    item->setText(kStatus, status);
    item->setData(kClass, kHandleRole, server);
    tip = ProfilePlugMng::getProfileTipByShortcut(0, server);
    if (tip.isEmpty()) CvCm_GetLocSvcDesc(attr.service_class, &tip);
    tip = QStringLiteral("<b>%1</b><br>%2").arg(fieldText(attr.service_name, sizeof attr.service_name).toHtmlEscaped(),
                                               tip.toHtmlEscaped());
    for (int column : {kClass, kStatus}) item->setToolTip(column, tip);
    return item;
}

}  // namespace

ServerList::ServerList(QTreeWidget* view, ProfileWindows* windows) : QObject(view), view_(view), windows_(windows) {
    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    // A narrow column keeps both ends of a name: the class and a serial server's device.
    view_->setTextElideMode(Qt::ElideMiddle);
    connect(view_, &QTreeWidget::customContextMenuRequested, this, &ServerList::showMenu);
    connect(view_, &QTreeWidget::itemDoubleClicked, this, &ServerList::runDefaultAction);
}

void ServerList::reload() {
    quint32 selected = handleOf(view_->currentItem());
    view_->clear();
    BTSDKHANDLE enumeration = Btsdk_StartEnumLocalServer();
    if (!enumeration) return;
    BtsdkLocalServerAttr attr{};
    while (BTSVCHDL server = Btsdk_EnumLocalServer(enumeration, &attr)) {
        if (CvCm_ShouldShowThisLocalServer(attr.service_class)) {
            QTreeWidgetItem* item = serverItem(server, attr);
            view_->addTopLevelItem(item);
            if (server == selected) view_->setCurrentItem(item);
        }
        Btsdk_FreeMemory(attr.ext_attributes);
        attr = {};
    }
    Btsdk_EndEnumLocalServer(enumeration);
}

quint32 ServerList::selectedServer() const { return handleOf(view_->currentItem()); }

void ServerList::showMenuOf(quint32 server) {
    if (QTreeWidgetItem* item = selectRow(view_, server)) showMenu(view_->visualItemRect(item).center());
}

void ServerList::showMenu(const QPoint& pos) {
    QTreeWidgetItem* item = view_->itemAt(pos);
    if (!item) return;
    quint32 server = handleOf(item);
    QMenu* menu = popupItemMenu(view_, QStringLiteral("serverMenu"), ProfilePlugMng::GetLocalSvrActionList(server),
                                [this, server] { return ownActions(server); }, view_->viewport()->mapToGlobal(pos));
    connect(menu, &QMenu::triggered, this, &ServerList::reload, Qt::QueuedConnection);
}

QList<QAction*> ServerList::ownActions(quint32 server) {
    auto* start = new QAction(tr("Start server"));
    auto* stop = new QAction(tr("Stop server"));
    connect(start, &QAction::triggered, this, [server] { Btsdk_StartServer(server); });
    connect(stop, &QAction::triggered, this, [server] { Btsdk_StopServer(server); });
    return {windows_->serverStatusAction(server), start, stop};
}

void ServerList::runDefaultAction(QTreeWidgetItem* item) {
    ProfilePlugMng::performLocalSvrDefaultAction(handleOf(item));
    QMetaObject::invokeMethod(this, &ServerList::reload, Qt::QueuedConnection);
}
