// BtFtp: the plug-in object of the file-transfer profile, one per process (s_pThis). It
// hands out the actions, tips and default actions of the local FTP server and of remote
// FTP services reached through shortcuts, registers the server at start-up, and hands
// files that remote devices put on the server to the host.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include "corvclient/btsdk.h"
#include "cvcommon/profile_plugin.h"
#include "profilekit/profile_handles.h"

class BtFtpClient;
class QAction;
class QWidget;

class BtFtp : public QObject, public ProfileHandles {
    Q_OBJECT

public:
    explicit BtFtp(QWidget* parent);
    ~BtFtp() override;

    static BtFtp* s_pThis;
    // Under the receive lock, which the receive callback reads it under.
    void SetInvokeCvFunction(HostInvokeFunc function);
    QList<QAction*> GetActionList();
    QList<QAction*> GetRemoteActionList();
    QList<QAction*> GetLocalSvrActionList(unsigned int server);
    QString getProfileTip(unsigned int shortcut, unsigned int server);
    void performDefaultActionByShortcut(unsigned int shortcut);
    void performLocalSvrDefaultAction(unsigned int server);
    void StartProfileServer();
    // Closes the current shortcut's browser window when no outgoing FTP connection is left.
    void PerformPostDisc();
    // The client library's receive callback, on its signal thread.
    static BTUINT32 DealFTPServerEvent(BtSdkFileTransferReqStru* request);
    // Closes the hand-over of received files, so that a file arriving meanwhile sees
    // either the whole object or none, then deletes the object and clears s_pThis.
    static void destroy();

public Q_SLOTS:
    void actionExploer();
    void actionDisconnect();
    void handleMainWndClose(QWidget* pWnd);
    void actionProfileProperty();
    void actionProfileStatus();
    void actionOpenShare();
    void actionSvrEnable();
    void actionSvrStatus();
    void actionSvrProperty();

private:
    void createActions();
    QAction* newAction(void (BtFtp::*slot)());
    void openShareFolder();
    // The open browser windows of the current shortcut that may be disconnected now.
    QList<BtFtpClient*> clientWindows() const;
    QList<QAction*> disconnectEntries() const;
    void closeClientDlg();

    QWidget* m_pParent;
    QAction* m_actOpen = nullptr;
    QAction* m_actDisconnect = nullptr;
    QAction* m_actProperty = nullptr;
    QAction* m_actStatus = nullptr;
    QAction* m_sep1 = nullptr;
    QAction* m_sep2 = nullptr;
    QAction* m_actOpenShare = nullptr;
    QAction* m_actSvrEnable = nullptr;
    QAction* m_actSvrStatus = nullptr;
    QAction* m_actSvrProperty = nullptr;
    // A window closed or destroyed by any path reads null here.
    QList<QPointer<BtFtpClient>> m_lstClientWnd;
    HostInvokeFunc m_pfnInvokeCv = nullptr;
    BTRESULT m_hFtpService = 0;
    char m_szShareFolder[260] = {};
    char m_szRecvFile[260] = {};
};
