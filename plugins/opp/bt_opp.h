// BtOpp: the plug-in object of the object-push profile, one per process (s_pThis). It
// hands out the actions, tips and default actions of object-push shortcuts (send a file to
// the remote device) and of the local inbox server, runs a send on its worker behind the
// shared progress window, registers the server with the own business card at start-up,
// and hands files that remote devices push to the host.
#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include "corvclient/btsdk.h"
#include "cvcommon/profile_plugin.h"
#include "profilekit/profile_handles.h"
#include "profilekit/transfer_cancel.h"
#include "profilekit/transfer_status.h"

class ComProgressDlg;
class QAction;
class QWidget;
class WorkingThread;

class BtOpp : public QObject, public ProfileHandles {
    Q_OBJECT

public:
    explicit BtOpp(QWidget* parent);
    // Ends a running send: its window is closed, its transfer cancelled and its worker
    // waited for.
    ~BtOpp() override;

    static BtOpp* s_pThis;
    // Closes the hand-over of received files, then deletes the object and clears s_pThis.
    static void destroy();

    // Under the receive lock, which the receive callback reads it under.
    void SetInvokeCvFunction(HostInvokeFunc function);
    QList<QAction*> GetActionList();
    QList<QAction*> GetRemoteActionList();
    QList<QAction*> GetLocalSvrActionList(unsigned int server);
    QString getProfileTip(unsigned int shortcut, unsigned int server);
    void performDefaultActionByShortcut(unsigned int shortcut);
    void performLocalSvrDefaultAction(unsigned int server);
    void StartProfileServer();

    // The client library's callbacks, on its threads.
    static void OPP_StatusCallback(BTUINT8 first, BTUINT8 last, const char* filename, BTUINT32 filesize,
                                   BTUINT32 cursize);
    static BTUINT32 DealOPPServerEvent(BtSdkFileTransferReqStru* request);

Q_SIGNALS:
    void signalOppStatusCallback(quint8 first, quint8 last, QString filename, quint32 filesize, quint32 cursize);
    void signalOppStatusToProgress(quint8 first, quint8 last, quint8* filename, quint32 filesize, quint32 cursize);

public Q_SLOTS:
    void actionSendFile();
    void actionProfileProperty();
    void actionProfileStatus();
    void actionOpenInbox();
    void actionSvrEnable();
    void actionSvrStatus();
    void actionSvrProperty();
    void procUserAction(quint8 action);
    void sendingThreadFinished();
    void slotOppStatusCallback(quint8 first, quint8 last, QString filename, quint32 filesize, quint32 cursize);
    void OperationInd(quint32 opType, quint32 wparam, quint32 lparam);

private:
    // The hand-over of received files, open while the object lives.
    void openHandOver();
    static void closeHandOver();
    void createActions();
    QAction* newAction(const QString& text, void (BtOpp::*slot)());
    void warn(const QString& text);
    void showProgressDlg(unsigned int shortcut);
    void closeProgressDlg();

    QWidget* m_pParent;
    QAction* m_actSendFile = nullptr;
    QAction* m_actProperty = nullptr;
    QAction* m_actStatus = nullptr;
    QAction* m_actOpenInbox = nullptr;
    QAction* m_actSvrEnable = nullptr;
    QAction* m_actSvrStatus = nullptr;
    QAction* m_actSvrProperty = nullptr;
    QAction* m_sep1 = nullptr;
    QAction* m_sep2 = nullptr;

    ComProgressDlg* m_pProgressDlg = nullptr;
    WorkingThread* m_pSendThread = nullptr;
    TransferCancel m_cancel;
    QString m_strFilePath;
    bool m_bCancelled = false;
    // The send's progress reports; it receives while a send runs.
    static TransferStatusChannel s_transferStatus;
    TransferStatusRelay m_transferStatus{s_transferStatus};

    HostInvokeFunc m_pfnInvokeCv = nullptr;
    BTUINT32 m_hOppServer = 0;
    // As long as the folder check's buffers, which may lengthen a folder.
    char m_szInbox[260] = {};
    char m_szOutbox[260] = {};
    char m_szRecvFile[260] = {};
};
