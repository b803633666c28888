// The plug-in's entry points: each does nothing, or returns its empty value, while the
// plug-in object is missing.
#include <QAction>

#include "bt_opp.h"
#include "cvcommon/service_classes.h"
#include "oppproperty_class.h"
#include "profilekit/entry_guard.h"

CV_PLUGIN_EXPORT void InitProfile(QWidget* parent) {
    if (!BtOpp::s_pThis) BtOpp::s_pThis = new BtOpp(parent);
}

CV_PLUGIN_EXPORT void setCvCommFunc(HostInvokeFunc function) {
    guarded(BtOpp::s_pThis, [&] { BtOpp::s_pThis->SetInvokeCvFunction(function); });
}

CV_PLUGIN_EXPORT void UninitProfile() { BtOpp::destroy(); }

CV_PLUGIN_EXPORT unsigned short GetPlugProfileCls() {
    return guarded(BtOpp::s_pThis, [] { return btclass::kObjectPush; }, static_cast<unsigned short>(0));
}

CV_PLUGIN_EXPORT bool IsSupportedServiceClass(unsigned short svcClass) {
    return guarded(BtOpp::s_pThis, [&] { return svcClass == btclass::kObjectPush; }, false);
}

CV_PLUGIN_EXPORT QList<QAction*> GetActionListByShortcut(unsigned int shortcut) {
    return guarded(
        BtOpp::s_pThis,
        [&] {
            BtOpp::s_pThis->SetShortcutHanlde(shortcut);
            return BtOpp::s_pThis->GetActionList();
        },
        QList<QAction*>());
}

CV_PLUGIN_EXPORT QList<QAction*> GetRemoteActionListByShortcut(unsigned int shortcut) {
    return guarded(
        BtOpp::s_pThis,
        [&] {
            BtOpp::s_pThis->SetShortcutHanlde(shortcut);
            return BtOpp::s_pThis->GetRemoteActionList();
        },
        QList<QAction*>());
}

CV_PLUGIN_EXPORT QList<QAction*> GetLocalSvrActionList(unsigned int server) {
    return guarded(BtOpp::s_pThis, [&] { return BtOpp::s_pThis->GetLocalSvrActionList(server); },
                   QList<QAction*>());
}

CV_PLUGIN_EXPORT void ShowSvrPropertyDlg(unsigned int server, QWidget* parent, int page) {
    guarded(BtOpp::s_pThis, [&] { OpppropertyClass::ShowSvrPropertyDlg(server, parent, page); });
}

CV_PLUGIN_EXPORT void performLocalSvrDefaultAction(unsigned int server) {
    guarded(BtOpp::s_pThis, [&] { BtOpp::s_pThis->performLocalSvrDefaultAction(server); });
}

CV_PLUGIN_EXPORT void performDefaultActionByShortcut(unsigned int shortcut) {
    guarded(BtOpp::s_pThis, [&] { BtOpp::s_pThis->performDefaultActionByShortcut(shortcut); });
}

CV_PLUGIN_EXPORT QString getProfileTipByShortcut(unsigned int shortcut, unsigned int server) {
    return guarded(BtOpp::s_pThis, [&] { return BtOpp::s_pThis->getProfileTip(shortcut, server); }, QString());
}

CV_PLUGIN_EXPORT void StartProfileServer() {
    guarded(BtOpp::s_pThis, [] { BtOpp::s_pThis->StartProfileServer(); });
}

CV_PLUGIN_EXPORT void StopProfileServer() {}
