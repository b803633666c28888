#include "shortcut_list.h"

#include <QAction>
#include <QMenu>
#include <QTreeWidget>

#include "corvclient/btsdk.h"
#include "cvcommon/class_names.h"
#include "cvcommon/profile_plug_mng.h"
#include "cvcommon/shortcut_helpers.h"
#include "device_info.h"
#include "plugin_menu.h"
#include "skin_icons.h"

namespace {

enum Column { kName, kDevice, kStatus };
constexpr int kHandleRole = Qt::UserRole;
constexpr BTUINT32 kMaxShortcuts = 256;

quint32 shortcutOf(const QTreeWidgetItem* item) { return item ? item->data(kName, kHandleRole).toUInt() : 0; }

QTreeWidgetItem* shortcutItem(BTSHCHDL shortcut) {
    BtsdkShortcutProperty property{};
    property.shortcut = shortcut;
    BTRESULT read = Btsdk_GetShortCutProperty(&property);
    if (read != BTSDK_OK && read != BTSDK_SHC_RESULT_PARTIAL) return nullptr;
    auto* item = new QTreeWidgetItem;
    QString status, tip;
    CvCm_GetRmtSvcStatusString(shortcut, &status);
    item->setIcon(kName, profileIcon(property.service_class, CvCm_IsShortcutConnected(shortcut)));
    // The service's name says what the shortcut reaches; the device has its own column.
    QString service = fieldText(property.service_name, sizeof property.service_name);
    item->setText(kName, service.isEmpty() ? fieldText(property.name, sizeof property.name) : service);
    item->setText(kDevice, CvCm_GetDeviceNameByShortcut(shortcut));
    item->setText(kStatus, status);
    item->setData(kName, kHandleRole, shortcut);
    tip = ProfilePlugMng::getProfileTipByShortcut(shortcut, 0);
    if (tip.isEmpty()) CvCm_GetRmtSvcDesc(property.service_class, &tip);
    for (int column : {kName, kDevice, kStatus}) item->setToolTip(column, tip);
    return item;
}

}  // namespace

ShortcutList::ShortcutList(QTreeWidget* view) : QObject(view), view_(view) {
    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view_, &QTreeWidget::customContextMenuRequested, this, &ShortcutList::showMenu);
    connect(view_, &QTreeWidget::itemDoubleClicked, this, &ShortcutList::runDefaultAction);
}

void ShortcutList::reload() {
    quint32 selected = shortcutOf(view_->currentItem());
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

void ShortcutList::showMenuOf(quint32 shortcut) {
    for (int i = 0; i < view_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = view_->topLevelItem(i);
        if (shortcutOf(item) != shortcut) continue;
        view_->setCurrentItem(item);
        showMenu(view_->visualItemRect(item).center());
        return;
    }
}

void ShortcutList::showMenu(const QPoint& pos) {
    QTreeWidgetItem* item = view_->itemAt(pos);
    if (!item) return;
    quint32 shortcut = shortcutOf(item);
    auto* remove = new QAction(tr("Delete shortcut"));
    connect(remove, &QAction::triggered, this, [shortcut] { Btsdk_DeleteShortCut(shortcut); });
    QMenu* menu = popupMenu(view_, QStringLiteral("shortcutMenu"), ProfilePlugMng::GetActionListByShortcutHandle(shortcut),
                            {remove}, view_->viewport()->mapToGlobal(pos));
    connect(menu, &QMenu::triggered, this, &ShortcutList::reload, Qt::QueuedConnection);
}

void ShortcutList::runDefaultAction(QTreeWidgetItem* item) {
    ProfilePlugMng::performDefaultActionByShortcut(shortcutOf(item));
    QMetaObject::invokeMethod(this, &ShortcutList::reload, Qt::QueuedConnection);
}
