#include "tour_shot.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPainter>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <memory>

#include "tour_ftp.h"
#include "tour_step.h"
#include "tour_windows.h"

namespace {

// How long the end of the tour waits for open windows to close.
constexpr int kEndingMs = 5000;

}  // namespace

QPixmap tourShot(QWidget* window) {
    QWidget* subject = shownBrowser();
    if (!subject) subject = window;
    auto belongs = [subject, window](QWidget* other) {
        if (subject == window) return !browserWindows().contains(other);
        for (QWidget* up = other->parentWidget(); up; up = up->parentWidget())
            if (up == subject) return true;
        return false;
    };
    // Windows are drawn with a title bar of their own, since the platform may draw none.
    const int barHeight = subject->fontMetrics().height() + 8;
    auto framed = [barHeight](const QWidget* widget) {
        return widget->geometry().adjusted(-1, -barHeight - 1, 1, 1);
    };
    QList<QWidget*> dialogs, popups;
    QRect canvas = framed(subject);
    for (QWidget* other : QApplication::topLevelWidgets()) {
        if (other == subject || !other->isVisible()) continue;
        if (other->windowType() == Qt::Popup || other->windowType() == Qt::ToolTip) {
            popups << other;
            canvas |= other->geometry();
        } else if (belongs(other)) {
            dialogs << other;
            canvas |= framed(other);
        }
    }
    QPixmap shot(canvas.size());
    shot.fill(QColor(0x60, 0x64, 0x6a));
    QPainter painter(&shot);
    painter.translate(-canvas.topLeft());
    QFont bold = subject->font();
    bold.setBold(true);
    auto drawWindow = [&](QWidget* shown) {
        const QRect area = shown->geometry();
        const QRect bar(area.left(), area.top() - barHeight, area.width(), barHeight);
        painter.fillRect(bar, QColor(0x3b, 0x41, 0x4a));
        painter.setPen(Qt::white);
        painter.setFont(bold);
        const QRect text = bar.adjusted(8, 0, -8, 0);
        painter.drawText(text, Qt::AlignVCenter | Qt::AlignLeft,
                         painter.fontMetrics().elidedText(shown->windowTitle(), Qt::ElideMiddle, text.width()));
        painter.drawPixmap(area.topLeft(), shown->grab());
        painter.setPen(QColor(0x3b, 0x41, 0x4a));
        painter.drawRect(bar.united(area).adjusted(-1, -1, 0, 0));
    };
    drawWindow(subject);
    for (QWidget* dialog : dialogs) drawWindow(dialog);
    for (QWidget* popup : popups) painter.drawPixmap(popup->geometry().topLeft(), popup->grab());
    return shot;
}

void endTour(QWidget* window, int status) {
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    auto* ticker = new QTimer(window);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(ticker, &QTimer::timeout, window, [window, ticker, clock, status] {
        if (clock->elapsed() > kEndingMs) {
            // A window that stays open may have its loop below this call: nothing is
            // deleted under it, and leaving the application's loop ends the others too.
            ticker->stop();
            std::fprintf(stderr, "tour: windows still open after %d ms\n", kEndingMs);
            QApplication::exit(status == 0 ? 1 : status);
            return;
        }
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
            return;
        }
        // Back in the application's own loop once every modal window's loop has returned.
        if (QThread::currentThread()->loopLevel() > 1) return;
        ticker->stop();
        if (QDialog* shown = shownStatus(window)) shown->close();
        for (QWidget* browser : browserWindows()) {
            browser->close();
            delete browser;
        }
        QApplication::exit(status);
    });
    ticker->start(kTourPollMs);
}
