#include "shortcut_list.h"

#include <QAction>
#include <QMenu>
#include <QTreeWidget>

#include "corvclient/btsdk.h"
#include "cvcommon/class_names.h"
#include "cvcommon/profile_plug_mng.h"
#include "cvcommon/service_classes.h"
#include "cvcommon/shortcut_helpers.h"
#include "device_info.h"
#include "item_rows.h"
#include "plugin_menu.h"
#include "profile_windows.h"
#include "serial_lines.h"
#include "skin_icons.h"

namespace {

enum Column { kName, kDevice, kStatus };
constexpr int kClassRole = kHandleRole + 1;
constexpr quint16 kObjectPush = 0x1105;
constexpr BTUINT32 kMaxShortcuts = 256;

QTreeWidgetItem* shortcutItem(BTSHCHDL shortcut) {
    BtsdkShortcutProperty property{};
    property.shortcut = shortcut;
    if (!CvCm_ReadShortcutProperty(&property)) return nullptr;
    auto* item = new QTreeWidgetItem;
    QString status, tip;
    CvCm_GetRmtSvcStatusString(shortcut, &status);
    const bool connected = CvCm_IsShortcutConnected(shortcut);
    if (connected && btclass::isSerialType(property.service_class))
        status = withSerialDevices(status, {serialDeviceOf(property.connection)});
    item->setIcon(kName, profileIcon(property.service_class, connected));
    // The service's name says what the shortcut reaches; the device has its own column.
    QString service = fieldText(property.service_name, sizeof property.service_name);
    item->setText(kName, service.isEmpty() ? fieldText(property.name, sizeof property.name) : service);
    item->setText(kDevice, CvCm_GetDeviceNameByShortcut(shortcut));
    item->setText(kStatus, status);
    item->setData(kName, kHandleRole, shortcut);
    item->setData(kName, kClassRole, property.service_class);
    tip = ProfilePlugMng::getProfileTipByShortcut(shortcut, 0);
    if (tip.isEmpty()) CvCm_GetRmtSvcDesc(property.service_class, &tip);
    for (int column : {kName, kDevice, kStatus}) item->setToolTip(column, tip);
    return item;
}

}  // namespace

ShortcutList::ShortcutList(QTreeWidget* view, ProfileWindows* windows)
    : QObject(view), view_(view), windows_(windows) {
    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view_, &QTreeWidget::customContextMenuRequested, this, &ShortcutList::showMenu);
    connect(view_, &QTreeWidget::itemDoubleClicked, this, &ShortcutList::runDefaultAction);
}

void ShortcutList::reload() {
    quint32 selected = handleOf(view_->currentItem());
    view_->clear();
    BTSHCHDL handles[kMaxShortcuts];
    BTUINT32 count = Btsdk_GetAllShortCuts(handles, kMaxShortcuts);
    for (BTUINT32 i = 0; i < count && i < kMaxShortcuts; ++i) {
        QTreeWidgetItem* item = shortcutItem(handles[i]);
        if (!item) continue;
        view_->addTopLevelItem(item);
        if (handles[i] == selected) view_->setCurrentItem(item);
    }
}

quint32 ShortcutList::selectedShortcut() const { return handleOf(view_->currentItem()); }

quint32 ShortcutList::objectPushShortcutAt(const QPoint& pos) const {
    const QTreeWidgetItem* item = view_->itemAt(pos);
    return item && item->data(kName, kClassRole).toUInt() == kObjectPush ? handleOf(item) : 0;
}

void ShortcutList::showMenuOf(quint32 shortcut) {
    if (QTreeWidgetItem* item = selectRow(view_, shortcut)) showMenu(view_->visualItemRect(item).center());
}

void ShortcutList::showMenu(const QPoint& pos) {
    QTreeWidgetItem* item = view_->itemAt(pos);
    if (!item) return;
    quint32 shortcut = handleOf(item);
    const QList<QAction*> pluginActions = ProfilePlugMng::GetActionListByShortcutHandle(shortcut);
    const QPoint at = view_->viewport()->mapToGlobal(pos);
    // The plug-in's entries stand for the service; deleting the shortcut is the manager's.
    QMenu* menu = pluginActions.isEmpty()
                      ? popupItemMenu(view_, QStringLiteral("shortcutMenu"), pluginActions,
                                      [this, shortcut] { return ownActions(shortcut); }, at)
                      : popupMenu(view_, QStringLiteral("shortcutMenu"), pluginActions, {deleteAction(shortcut)}, at);
    connect(menu, &QMenu::triggered, this, &ShortcutList::reload, Qt::QueuedConnection);
}

QAction* ShortcutList::deleteAction(quint32 shortcut) {
    auto* remove = new QAction(tr("Delete shortcut"));
    connect(remove, &QAction::triggered, this, [shortcut] { Btsdk_DeleteShortCut(shortcut); });
    return remove;
}

QList<QAction*> ShortcutList::ownActions(quint32 shortcut) {
    return {windows_->shortcutStatusAction(shortcut), windows_->shortcutPropertiesAction(shortcut),
            deleteAction(shortcut)};
}

void ShortcutList::runDefaultAction(QTreeWidgetItem* item) {
    ProfilePlugMng::performDefaultActionByShortcut(handleOf(item));
    QMetaObject::invokeMethod(this, &ShortcutList::reload, Qt::QueuedConnection);
}
