#include "service_notice.h"

#include <QHBoxLayout>
#include <QLabel>

namespace {

constexpr int kRunningShownMs = 8000;
constexpr int kIconSize = 24;

}  // namespace

ServiceNotice::ServiceNotice(QWidget* parent)
    : QFrame(parent), icon_(new QLabel(this)), text_(new QLabel(this)) {
    setObjectName(QStringLiteral("serviceNotice"));
    text_->setObjectName(QStringLiteral("serviceNoticeText"));
    text_->setWordWrap(true);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(icon_);
    layout->addWidget(text_, 1);
    hideClock_.setSingleShot(true);
    hideClock_.setInterval(kRunningShownMs);
    connect(&hideClock_, &QTimer::timeout, this, &QWidget::hide);
    hide();
}

void ServiceNotice::showStopped() {
    hideClock_.stop();
    showText({QStyle::SP_MessageBoxWarning, "#fdecea", "#d9a3a0"},
             tr("The Bluetooth service has stopped. The manager carries on by itself as soon as it runs again."));
}

void ServiceNotice::showRunning() {
    showText({QStyle::SP_MessageBoxInformation, "#e7f4ea", "#98c9a3"}, tr("The Bluetooth service is running again."));
    hideClock_.start();
}

QString ServiceNotice::text() const { return text_->text(); }

void ServiceNotice::showText(const Look& look, const QString& text) {
    setStyleSheet(QStringLiteral("#serviceNotice { background: %1; border: 1px solid %2; border-radius: 3px; }")
                      .arg(QLatin1String(look.background), QLatin1String(look.border)));
    icon_->setPixmap(style()->standardIcon(look.icon).pixmap(kIconSize, kIconSize));
    text_->setText(text);
    show();
}
