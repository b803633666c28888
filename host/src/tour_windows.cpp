#include "tour_windows.h"

#include <QApplication>
#include <QDialog>
#include <QTreeWidget>

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
