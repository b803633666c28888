// The rows of the server and shortcut lists, which keep their item's handle in the first
// column's user role.
#pragma once

#include <QtGlobal>
#include <qnamespace.h>

class QTreeWidget;
class QTreeWidgetItem;

constexpr int kHandleRole = Qt::UserRole;

// The handle of the row (0: none).
quint32 handleOf(const QTreeWidgetItem* item);
// Makes the row of the handle current and returns it, or null when no row has it.
QTreeWidgetItem* selectRow(QTreeWidget* view, quint32 handle);
