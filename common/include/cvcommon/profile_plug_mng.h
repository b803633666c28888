// ProfilePlugMng: loads the profile plug-ins from the working directory and routes each
// request of the host about a shortcut, a local server or a service class to the first
// plug-in, in load order, whose IsSupportedServiceClass accepts the class. The static
// operations act on the one live manager and give their empty value while there is none.
#pragma once

#include <QList>
#include <QString>

#include "cvcommon_api.h"

class QAction;
class QLibrary;
class QWidget;

struct _ProfilePlugInfo {
    unsigned short profileClass = 0;  // from GetPlugProfileCls, once asked
    QLibrary* library = nullptr;
};

class CVCOMMON_API ProfilePlugMng {
public:
    // hostInvoke is handed to every plug-in through setCvCommFunc.
    explicit ProfilePlugMng(void* hostInvoke);
    ~ProfilePlugMng();
    ProfilePlugMng(const ProfilePlugMng&) = delete;
    ProfilePlugMng& operator=(const ProfilePlugMng&) = delete;

    QList<QAction*> GetActionListByShortcut(unsigned short svcClass, unsigned int shortcut);

    static QList<QAction*> GetActionListBySvcHandle(unsigned int device, unsigned int service);
    static QList<QAction*> GetActionListByShortcutHandle(unsigned int shortcut);
    static QList<QAction*> GetRemoteActionListByShortcut(unsigned int shortcut);
    static QList<QAction*> GetLocalSvrActionList(unsigned int server);
    static void ShowSvrPropertyDlg(unsigned int server, QWidget* parent, int page);
    static QList<unsigned short> GetSupportedProfileList();
    static void PerformPostDisc(unsigned short svcClass);
    static int getRelatedShortcutBySvcClass(unsigned int device, unsigned short svcClass,
                                            unsigned int* shortcuts, unsigned int capacity);
    static void performLocalSvrDefaultAction(unsigned int server);
    static void performDefaultActionByShortcut(unsigned int shortcut);
    static QString getProfileTipByShortcut(unsigned int shortcut, unsigned int server);
    static bool isServerRelatedIncomingConnectionExist(unsigned int server);
    static bool isShortcutRelatedConnectionExist(unsigned int shortcut);
    // Starts the plug-ins' servers, then stops those the settings mark "disable".
    static void StartProfileServer();
    static void StopProfileServer();

private:
    void InitPlugModule();
    void addPlugModule(const QString& path);
    void CleanPlugModule();

    // The first plug-in in load order that supports the class, or null.
    _ProfilePlugInfo* pluginFor(unsigned short svcClass) const;

    QList<QAction*> _GetActionListByShortcutHandle(unsigned int shortcut);
    QList<QAction*> _GetRemoteActionListByShortcut(unsigned int shortcut);
    QList<QAction*> _GetLocalSvrActionList(unsigned int server);
    void _ShowSvrPropertyDlg(unsigned int server, QWidget* parent, int page);
    QList<unsigned short> _GetSupportedProfileList();
    void _PerformPostDisc(unsigned short svcClass);
    int _getRelatedShortcutBySvcClass(unsigned int device, unsigned short svcClass,
                                      unsigned int* shortcuts, unsigned int capacity);
    void _performLocalSvrDefaultAction(unsigned int server);
    void _performDefaultActionByShortcut(unsigned int shortcut);
    QString _getProfileTipByShortcut(unsigned int shortcut, unsigned int server);
    bool _isServerRelatedIncomingConnectionExist(unsigned int server);
    bool _isShortcutRelatedConnectionExist(unsigned int shortcut);
    void _StartProfileServer();
    void _StopProfileServer();

    QList<_ProfilePlugInfo*> m_list;
    void* m_hostInvoke;
    static ProfilePlugMng* s_pThis;
};
