// A test plug-in that exports every entry point and supports file transfer (0x1106) and
// serial port (0x1101). Its default action for a shortcut calls the host function.
#include <QAction>

#include "plugin_log.h"

namespace {

HostInvokeFunc s_host = nullptr;
int s_inits = 0;

QList<QAction*> actions(const QString& what) {
    static QAction first(QStringLiteral("Full: open"));
    static QAction second(QStringLiteral("Full: properties"));
    note(what);
    return {&first, &second};
}

}  // namespace

CV_PLUGIN_EXPORT QStringList* testLog() { return &pluginLog(); }

CV_PLUGIN_EXPORT void InitProfile(QWidget* parent) {
    note(QStringLiteral("InitProfile %1 %2").arg(parent ? 1 : 0).arg(++s_inits));
}
CV_PLUGIN_EXPORT void setCvCommFunc(HostInvokeFunc host) {
    s_host = host;
    note(QStringLiteral("setCvCommFunc"));
}
CV_PLUGIN_EXPORT void UninitProfile() { note(QStringLiteral("UninitProfile")); }
CV_PLUGIN_EXPORT unsigned short GetPlugProfileCls() { return 0x1106; }
CV_PLUGIN_EXPORT bool IsSupportedServiceClass(unsigned short svcClass) {
    note(QStringLiteral("IsSupportedServiceClass %1").arg(svcClass, 0, 16));
    return svcClass == 0x1106 || svcClass == 0x1101;
}
CV_PLUGIN_EXPORT QList<QAction*> GetActionListByShortcut(unsigned int shortcut) {
    return actions(QStringLiteral("GetActionListByShortcut %1").arg(shortcut));
}
CV_PLUGIN_EXPORT QList<QAction*> GetRemoteActionListByShortcut(unsigned int shortcut) {
    return actions(QStringLiteral("GetRemoteActionListByShortcut %1").arg(shortcut));
}
CV_PLUGIN_EXPORT QList<QAction*> GetLocalSvrActionList(unsigned int server) {
    return actions(QStringLiteral("GetLocalSvrActionList %1").arg(server));
}
CV_PLUGIN_EXPORT void ShowSvrPropertyDlg(unsigned int server, QWidget*, int page) {
    note(QStringLiteral("ShowSvrPropertyDlg %1 %2").arg(server).arg(page));
}
CV_PLUGIN_EXPORT void PerformPostDisc(unsigned short svcClass) {
    note(QStringLiteral("PerformPostDisc %1").arg(svcClass, 0, 16));
}
CV_PLUGIN_EXPORT int getRelatedShortcutBySvcClass(unsigned int device, unsigned short, unsigned int* shortcuts,
                                                  unsigned int capacity) {
    note(QStringLiteral("getRelatedShortcutBySvcClass %1 %2").arg(device).arg(capacity));
    if (capacity > 0) shortcuts[0] = 77;
    return 1;
}
CV_PLUGIN_EXPORT void performLocalSvrDefaultAction(unsigned int server) {
    note(QStringLiteral("performLocalSvrDefaultAction %1").arg(server));
}
CV_PLUGIN_EXPORT void performDefaultActionByShortcut(unsigned int shortcut) {
    note(QStringLiteral("performDefaultActionByShortcut %1").arg(shortcut));
    QStringList list{QStringLiteral("/tmp/inbox"), QStringLiteral("photo.jpg")};
    if (s_host) s_host(1, 7, 260, &list);
}
CV_PLUGIN_EXPORT QString getProfileTipByShortcut(unsigned int shortcut, unsigned int server) {
    note(QStringLiteral("getProfileTipByShortcut %1 %2").arg(shortcut).arg(server));
    return QStringLiteral("Full tip");
}
CV_PLUGIN_EXPORT void StartProfileServer() { note(QStringLiteral("StartProfileServer")); }
CV_PLUGIN_EXPORT void StopProfileServer() { note(QStringLiteral("StopProfileServer")); }
CV_PLUGIN_EXPORT bool isServerRelatedIncomingConnectionExist(unsigned int server) {
    note(QStringLiteral("isServerRelatedIncomingConnectionExist %1").arg(server));
    return true;
}
CV_PLUGIN_EXPORT bool isShortcutRelatedConnectionExist(unsigned int shortcut) {
    note(QStringLiteral("isShortcutRelatedConnectionExist %1").arg(shortcut));
    return true;
}
