#include "front_window.h"

#include <QApplication>
#include <QVariant>
#include <QWidget>

namespace {

const char* const kNotice = "corvaneNotice";

// The window itself, or for a notice the first window under it that is none.
QWidget* belowNotices(QWidget* window) {
    while (window && window->property(kNotice).toBool()) {
        QWidget* parent = window->parentWidget();
        window = parent ? parent->window() : nullptr;
    }
    return window;
}

}  // namespace

QWidget* frontWindow(QWidget* fallback) {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* active = belowNotices(QApplication::activeWindow())) return active;
    return fallback;
}

void bringToFront(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

void showInFront(QWidget* notice) {
    notice->setProperty(kNotice, true);
    bringToFront(notice);
}
