#include "shown_windows.h"

#include <QApplication>
#include <QWidget>

QList<QWidget*> shownWindows(const QString& objectName) {
    QList<QWidget*> shown;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->objectName() == objectName) shown << top;
    return shown;
}

QWidget* shownWindow(const QString& objectName) {
    const QList<QWidget*> shown = shownWindows(objectName);
    return shown.isEmpty() ? nullptr : shown.first();
}

QWidget* shownWindowOf(const char* className) {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->inherits(className)) return top;
    return nullptr;
}
