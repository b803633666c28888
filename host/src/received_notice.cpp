#include "received_notice.h"

#include <QDesktopServices>
#include <QPushButton>
#include <QStyle>
#include <QUrl>

#include "front_window.h"
#include "ui_received_notice.h"

ReceivedNotice::ReceivedNotice(const QString& folder, const QString& file, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::ReceivedNotice>()) {
    ui_->setupUi(this);
    setObjectName(QStringLiteral("receivedFileNotice"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    ui_->noticeIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    ui_->noticeText->setText(tr("Received %1").arg(file));
    ui_->noticeFolder->setText(tr("in %1").arg(folder));
    QPushButton* open = ui_->noticeButtons->addButton(tr("Open folder"), QDialogButtonBox::ActionRole);
    open->setObjectName(QStringLiteral("openFolderButton"));
    connect(open, &QPushButton::clicked, this, [this, folder] {
        QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
        close();
    });
}

ReceivedNotice::~ReceivedNotice() = default;

ReceivedNotice* ReceivedNotice::notify(const QString& folder, const QString& file, QWidget* parent) {
    auto* notice = new ReceivedNotice(folder, file, frontWindow(parent));
    showInFront(notice, parent);
    return notice;
}
