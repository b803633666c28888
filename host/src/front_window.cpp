#include "front_window.h"

#include <QApplication>
#include <QWidget>

QWidget* frontWindow(QWidget* fallback) {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* active = QApplication::activeWindow()) return active;
    return fallback;
}

void showInFront(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}
