#include "profilekit/com_progress_dlg.h"

#include <QPushButton>

#include "profilekit/size_text.h"
#include "ui_com_progress_dlg.h"

namespace {

constexpr quint8 kUserCancelled = 1;

}  // namespace

ComProgressDlg::ComProgressDlg(QString& src, QString& dest, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::ComProgressDlg>()), m_src(src), m_dest(dest) {
    ui_->setupUi(this);
    connect(ui_->BtnCancel, &QPushButton::clicked, this, &ComProgressDlg::CancelFtp);
    connect(this, &QDialog::rejected, this, &ComProgressDlg::onreject);
    ui_->LabelSrc->setText(src);
    ui_->LabelDest->setText(dest);
    ui_->LabelNum->setText(tr("Rate:"));
    ui_->Label_TimeLeft->setText(tr("Estimated time left:"));
    ui_->progressBar->reset();
    setWindowTitle(tr("Copying %1").arg(QString()));
    setWindowFlags(Qt::Window);
}

ComProgressDlg::~ComProgressDlg() = default;

void ComProgressDlg::setItemPosition(int index, int count) {
    ui_->LabelItem->setText(tr("Item %1 of %2").arg(index).arg(count));
    ui_->LabelItem->setVisible(true);
}

void ComProgressDlg::setRoute(const QString& src, const QString& dest) {
    m_src = src;
    m_dest = dest;
    ui_->LabelSrc->setText(src);
    ui_->LabelDest->setText(dest);
}

// done(0) emits rejected(), which ends in onreject(): a cancel is reported once, however
// the dialog was closed (Cancel, Escape or the window's close button).
void ComProgressDlg::CancelFtp(bool) { done(0); }

void ComProgressDlg::onreject() { Q_EMIT userActionInd(kUserCancelled); }

void ComProgressDlg::slotProcTransStatus(quint8 first, quint8 last, quint8* filename, quint32 filesize,
                                         quint32 cursize) {
    if (first != 0)
        startFile(filename, filesize);
    else if (last != 0)
        ui_->progressBar->setValue(100);
    else
        addChunk(cursize);
}

void ComProgressDlg::startFile(const quint8* filename, quint32 filesize) {
    m_transferred = 0;
    m_total = filesize;
    m_chunkTimer.start();
    m_transferTimer.start();
    const QString name = filename ? QString::fromUtf8(reinterpret_cast<const char*>(filename)) : QString();
    setWindowTitle(tr("Copying %1").arg(name));
    ui_->progressBar->setValue(0);
}

// The rate shown is the last chunk's; the time left comes from the average rate since the
// file began. A report in the same millisecond as the previous one leaves both lines.
void ComProgressDlg::addChunk(quint32 cursize) {
    m_transferred += cursize;
    if (m_total == 0) return;
    const qint64 chunkMs = m_chunkTimer.elapsed();
    // More bytes than announced fill the bar rather than leave it behind.
    ui_->progressBar->setValue(qMin(100, static_cast<int>(double(m_transferred) * 100 / m_total)));

    const quint64 chunkRate = chunkMs != 0 ? quint64(cursize) * 1000 / quint64(chunkMs) : 0;
    QString timeLeft;
    const qint64 allMs = m_transferTimer.elapsed();
    if (allMs != 0 && m_transferred != 0) {
        const quint64 averageRate = quint64(m_transferred) * 1000 / quint64(allMs);
        const quint32 remaining = m_transferred < m_total ? m_total - m_transferred : 0;
        if (averageRate != 0) timeLeft = GetTimeString(static_cast<quint32>(remaining / averageRate));
    }
    if (chunkRate != 0) {
        ui_->LabelNum->setText(tr("Rate: %1/%2 (%3 /Sec)")
                                   .arg(GetSizeString(m_transferred), GetSizeString(m_total),
                                        GetSizeString(static_cast<quint32>(chunkRate))));
        ui_->Label_TimeLeft->setText(tr("Estimated time left: %1").arg(timeLeft));
    }
    m_chunkTimer.restart();
}

QString ComProgressDlg::GetTimeString(quint32 seconds) {
    QString text;
    quint32 rest = seconds;
    if (rest > 3600) {
        const quint32 hours = rest / 3600;
        text += (hours == 1 ? tr("%1hour") : tr("%1hours")).arg(hours);
        rest -= hours * 3600;
    }
    if (rest > 60) {
        const quint32 minutes = rest / 60;
        text += (minutes == 1 ? tr("%1minute") : tr("%1minutes")).arg(minutes);
        rest -= minutes * 60;
    }
    if (rest != 0) text += (rest == 1 ? tr("%1second") : tr("%1seconds")).arg(rest);
    return text;
}

QString ComProgressDlg::GetSizeString(quint32 bytes) {
    return profilekit::sizeText(bytes, 2, {tr("%1Bytes"), tr("%1KB"), tr("%1MB"), tr("%1GB")});
}
