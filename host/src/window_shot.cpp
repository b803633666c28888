#include "window_shot.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>

QPixmap windowShot(QWidget* window) {
    QPixmap shot = window->grab();
    QPainter painter(&shot);
    const QPoint origin = window->geometry().topLeft();
    // Dialogs first, then menus and tool-tips, which stand above them.
    for (bool popups : {false, true}) {
        for (QWidget* other : QApplication::topLevelWidgets()) {
            bool popup = other->windowType() == Qt::Popup || other->windowType() == Qt::ToolTip;
            if (other == window || !other->isVisible() || popup != popups) continue;
            painter.drawPixmap(other->geometry().topLeft() - origin, other->grab());
        }
    }
    return shot;
}
