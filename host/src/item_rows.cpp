#include "item_rows.h"

#include <QTreeWidget>

quint32 handleOf(const QTreeWidgetItem* item) { return item ? item->data(0, kHandleRole).toUInt() : 0; }

QTreeWidgetItem* selectRow(QTreeWidget* view, quint32 handle) {
    for (int i = 0; i < view->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = view->topLevelItem(i);
        if (handleOf(item) != handle) continue;
        view->setCurrentItem(item);
        return item;
    }
    return nullptr;
}
