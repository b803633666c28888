// The plug-in's entry points: each does nothing, or returns its empty value, while the
// plug-in object is missing.
#include <QAction>

#include "bt_ftp.h"
#include "cvcommon/service_classes.h"
#include "ftpproperty_class.h"
#include "profilekit/entry_guard.h"

CV_PLUGIN_EXPORT void InitProfile(QWidget* parent) {
    if (!BtFtp::s_pThis) BtFtp::s_pThis = new BtFtp(parent);
}

CV_PLUGIN_EXPORT void setCvCommFunc(HostInvokeFunc function) {
    guarded(BtFtp::s_pThis, [&] { BtFtp::s_pThis->SetInvokeCvFunction(function); });
}

CV_PLUGIN_EXPORT void UninitProfile() { BtFtp::destroy(); }

CV_PLUGIN_EXPORT unsigned short GetPlugProfileCls() {
    return guarded(BtFtp::s_pThis, [] { return btclass::kFileTransfer; }, static_cast<unsigned short>(0));
}

CV_PLUGIN_EXPORT bool IsSupportedServiceClass(unsigned short svcClass) {
    return guarded(BtFtp::s_pThis, [&] { return svcClass == btclass::kFileTransfer; }, false);
}

CV_PLUGIN_EXPORT QList<QAction*> GetActionListByShortcut(unsigned int shortcut) {
    return guarded(
        BtFtp::s_pThis,
        [&] {
            BtFtp::s_pThis->SetShortcutHanlde(shortcut);
            return BtFtp::s_pThis->GetActionList();
        },
        QList<QAction*>());
}

CV_PLUGIN_EXPORT QList<QAction*> GetRemoteActionListByShortcut(unsigned int shortcut) {
    return guarded(
        BtFtp::s_pThis,
        [&] {
            BtFtp::s_pThis->SetShortcutHanlde(shortcut);
            return BtFtp::s_pThis->GetRemoteActionList();
        },
        QList<QAction*>());
}

CV_PLUGIN_EXPORT QList<QAction*> GetLocalSvrActionList(unsigned int server) {
    return guarded(BtFtp::s_pThis, [&] { return BtFtp::s_pThis->GetLocalSvrActionList(server); },
                   QList<QAction*>());
}

CV_PLUGIN_EXPORT void ShowSvrPropertyDlg(unsigned int server, QWidget* parent, int page) {
    guarded(BtFtp::s_pThis, [&] { FtppropertyClass::ShowSvrPropertyDlg(server, parent, page); });
}

// The class is not looked at: the plug-in serves one.
CV_PLUGIN_EXPORT void PerformPostDisc(unsigned short) {
    guarded(BtFtp::s_pThis, [] { BtFtp::s_pThis->PerformPostDisc(); });
}

CV_PLUGIN_EXPORT void performLocalSvrDefaultAction(unsigned int server) {
    guarded(BtFtp::s_pThis, [&] { BtFtp::s_pThis->performLocalSvrDefaultAction(server); });
}

CV_PLUGIN_EXPORT void performDefaultActionByShortcut(unsigned int shortcut) {
    guarded(BtFtp::s_pThis, [&] { BtFtp::s_pThis->performDefaultActionByShortcut(shortcut); });
}

CV_PLUGIN_EXPORT QString getProfileTipByShortcut(unsigned int shortcut, unsigned int server) {
    return guarded(BtFtp::s_pThis, [&] { return BtFtp::s_pThis->getProfileTip(shortcut, server); }, QString());
}

CV_PLUGIN_EXPORT void StartProfileServer() {
    guarded(BtFtp::s_pThis, [] { BtFtp::s_pThis->StartProfileServer(); });
}

CV_PLUGIN_EXPORT void StopProfileServer() {}
