// ComProgressDlg: the modal window that shows one file transfer (file name, source,
// destination, progress, rate and estimated time left) with a Cancel button. The file
// transfer and object push plug-ins drive it through slotProcTransStatus and learn of a
// cancel through userActionInd.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QString>

#include <memory>

#include "profilekit_api.h"

namespace Ui {
class ComProgressDlg;
}

class PROFILEKIT_EXPORT ComProgressDlg : public QDialog {
    Q_OBJECT

public:
    ComProgressDlg(QString& src, QString& dest, QWidget* parent = nullptr);
    ~ComProgressDlg() override;

    // "1hour5minutes3seconds"; hours and minutes only above 3600 and 60 seconds, empty
    // for 0.
    static QString GetTimeString(quint32 seconds);
    // "1023Bytes", "1.00KB" (up to 1 MiB), "1.00MB" (up to 1 GiB), "1.00GB".
    static QString GetSizeString(quint32 bytes);

    // For a transfer of several items in one window: "Item %1 of %2" above the rate, and
    // the current item's source and destination.
    void setItemPosition(int index, int count);
    void setRoute(const QString& src, const QString& dest);

Q_SIGNALS:
    // Action 1: the user cancelled.
    void userActionInd(quint8 action);

public Q_SLOTS:
    void CancelFtp(bool);
    void onreject();
    // One progress report: first != 0 starts a file of filesize bytes whose UTF-8 name is
    // filename (NUL-terminated, may be null); last != 0 ends it; otherwise cursize bytes
    // more were moved. Reports from a worker come through a queued connection: the sender
    // registers quint8* with qRegisterMetaType and keeps the name alive until handled.
    void slotProcTransStatus(quint8 first, quint8 last, quint8* filename, quint32 filesize,
                             quint32 cursize);

private:
    void startFile(const quint8* filename, quint32 filesize);
    void addChunk(quint32 cursize);

    std::unique_ptr<Ui::ComProgressDlg> ui_;
    QString m_src;
    QString m_dest;
    quint32 m_total = 0;
    quint32 m_transferred = 0;
    QElapsedTimer m_chunkTimer;     // since the previous report
    QElapsedTimer m_transferTimer;  // since the file began
};
