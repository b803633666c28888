#include "tour_windows.h"

#include <QApplication>
#include <QDialog>
#include <QTreeWidget>

#include "corvclient/btsdk.h"
#include "item_rows.h"

QTreeWidget* shortcutView(QWidget* window) { return window->findChild<QTreeWidget*>(QStringLiteral("shortcutList")); }

QDialog* shownStatus(QWidget* window) {
    for (QDialog* status : window->findChildren<QDialog*>(QStringLiteral("profileStatus")))
        if (status->isVisible()) return status;
    return nullptr;
}

void closeProfileWindows(QWidget* window) {
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    if (QDialog* status = shownStatus(window)) status->close();
}

quint32 serverOfClass(QWidget* window, quint16 serviceClass) {
    auto* view = window->findChild<QTreeWidget*>(QStringLiteral("serverList"));
    for (int row = 0; view && row < view->topLevelItemCount(); ++row) {
        const quint32 server = handleOf(view->topLevelItem(row));
        BtsdkLocalServerAttr attr{};
        if (Btsdk_GetServerAttributes(server, &attr) == BTSDK_OK && attr.service_class == serviceClass)
            return server;
    }
    return 0;
}
