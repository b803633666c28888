#include "transfer_batch.h"

#include <QCoreApplication>

void TransferBatch::start(Kind kind, const QList<Item>& items) {
    active_ = true;
    kind_ = kind;
    pending_ = items;
    count_ = items.size();
    done_ = failed_ = skipped_ = 0;
    cancelled_ = false;
}

QString TransferBatch::finish() {
    active_ = false;
    pending_.clear();
    QString text =
        kind_ == Download ? QCoreApplication::translate("BtFtpClient", "%1 of %2 downloaded")
        : kind_ == Upload ? QCoreApplication::translate("BtFtpClient", "%1 of %2 uploaded")
                          : QCoreApplication::translate("BtFtpClient", "%1 of %2 deleted");
    text = text.arg(done_).arg(count_);
    if (failed_)
        text += QCoreApplication::translate("BtFtpClient", ", %1 failed").arg(failed_);
    if (skipped_)
        text += QCoreApplication::translate("BtFtpClient", ", %1 skipped").arg(skipped_);
    if (cancelled_)
        text += QCoreApplication::translate("BtFtpClient", ", cancelled");
    return text;
}
