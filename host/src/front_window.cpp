#include "front_window.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
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

// Moves an open notice off the window it is above once that window hides.
class NoticeKeeper : public QObject {
public:
    NoticeKeeper(QWidget* notice, QWidget* home) : QObject(notice), notice_(notice), home_(home) { watchOwner(); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && watched == owner_ && notice_->isVisible()) moveAbove(owner_);
        return false;
    }

private:
    void watchOwner() {
        QWidget* parent = notice_->parentWidget();
        owner_ = parent ? parent->window() : nullptr;
        if (owner_) owner_->installEventFilter(this);
    }
    void moveAbove(QWidget* leaving) {
        leaving->removeEventFilter(this);
        QWidget* next = home_ ? frontWindow(home_) : nullptr;
        if (next == leaving || next == notice_) next = home_;
        if (next == leaving) next = nullptr;
        notice_->setParent(next, notice_->windowFlags());
        watchOwner();
        bringToFront(notice_);
    }

    QWidget* notice_;
    QPointer<QWidget> home_, owner_;
};

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

void showInFront(QWidget* notice, QWidget* home) {
    notice->setProperty(kNotice, true);
    new NoticeKeeper(notice, home);
    bringToFront(notice);
}
