// The plug-in's entry points: each does nothing, or returns its empty value, while the
// plug-in object is missing.
#include <QAction>

#include "bt_spp.h"
#include "corvclient/btsdk.h"
#include "cvcommon/profile_plugin.h"
#include "cvcommon/service_classes.h"
#include "cvcommon/shortcut_helpers.h"
#include "profilekit/connection_scan.h"
#include "profilekit/entry_guard.h"
#include "sppproperty_class.h"

CV_PLUGIN_EXPORT void InitProfile(QWidget* parent) {
    if (!BtSpp::s_pThis) BtSpp::s_pThis = new BtSpp(parent);
}

CV_PLUGIN_EXPORT void setCvCommFunc(HostInvokeFunc) {}

CV_PLUGIN_EXPORT void UninitProfile() {
    delete BtSpp::s_pThis;
    BtSpp::s_pThis = nullptr;
}

CV_PLUGIN_EXPORT unsigned short GetPlugProfileCls() {
    return guarded(BtSpp::s_pThis, [] { return btclass::kSerialPort; }, static_cast<unsigned short>(0));
}

CV_PLUGIN_EXPORT bool IsSupportedServiceClass(unsigned short svcClass) {
    return guarded(BtSpp::s_pThis, [&] { return svcClass == btclass::kSerialPort; }, false);
}

CV_PLUGIN_EXPORT QList<QAction*> GetActionListByShortcut(unsigned int shortcut) {
    return guarded(
        BtSpp::s_pThis,
        [&] {
            BtSpp::s_pThis->SetShortcutHanlde(shortcut);
            return BtSpp::s_pThis->GetActionList();
        },
        QList<QAction*>());
}

CV_PLUGIN_EXPORT QList<QAction*> GetRemoteActionListByShortcut(unsigned int shortcut) {
    return guarded(
        BtSpp::s_pThis,
        [&] {
            BtSpp::s_pThis->SetShortcutHanlde(shortcut);
            return BtSpp::s_pThis->GetRemoteActionList();
        },
        QList<QAction*>());
}

CV_PLUGIN_EXPORT QList<QAction*> GetLocalSvrActionList(unsigned int) {
    return guarded(BtSpp::s_pThis, [] { return BtSpp::s_pThis->GetLocalSvrActionList(); }, QList<QAction*>());
}

CV_PLUGIN_EXPORT void ShowSvrPropertyDlg(unsigned int server, QWidget* parent, int page) {
    guarded(BtSpp::s_pThis, [&] { SpppropertyClass::ShowSvrPropertyDlg(server, parent, page); });
}

CV_PLUGIN_EXPORT void performLocalSvrDefaultAction(unsigned int server) {
    guarded(BtSpp::s_pThis, [&] { SpppropertyClass::ShowSvrPropertyDlg(server, nullptr, 0); });
}

CV_PLUGIN_EXPORT void performDefaultActionByShortcut(unsigned int shortcut) {
    guarded(BtSpp::s_pThis, [&] {
        BtSpp::s_pThis->SetShortcutHanlde(shortcut);
        BtSpp::s_pThis->performDefaultActionByShortcut();
    });
}

CV_PLUGIN_EXPORT QString getProfileTipByShortcut(unsigned int shortcut, unsigned int) {
    return guarded(BtSpp::s_pThis, [&] { return BtSpp::s_pThis->getProfileTip(shortcut); }, QString());
}

// The class asked for is not looked at: the device's serial-port shortcuts.
CV_PLUGIN_EXPORT int getRelatedShortcutBySvcClass(unsigned int device, unsigned short, unsigned int* shortcuts,
                                                  unsigned int capacity) {
    return guarded(
        BtSpp::s_pThis,
        [&] { return int(Btsdk_GetShortCutByDeviceHandle(device, btclass::kSerialPort, shortcuts, capacity)); }, 0);
}

// Any incoming serial-port connection, whichever server it reached.
CV_PLUGIN_EXPORT bool isServerRelatedIncomingConnectionExist(unsigned int) {
    return guarded(
        BtSpp::s_pThis,
        [] {
            return AnyConnection(ConnectionSide::Incoming, [](const BtsdkConnectionProperty& connection) {
                return connection.service_class == btclass::kSerialPort;
            });
        },
        false);
}

CV_PLUGIN_EXPORT bool isShortcutRelatedConnectionExist(unsigned int shortcut) {
    return guarded(
        BtSpp::s_pThis,
        [&] {
            BtsdkShortcutProperty shortcutProperty{};
            shortcutProperty.shortcut = shortcut;
            if (!CvCm_ReadShortcutProperty(&shortcutProperty)) return false;
            return AnyConnection(ConnectionSide::Outgoing, [&](const BtsdkConnectionProperty& connection) {
                return connection.device == shortcutProperty.device &&
                       connection.service_class == btclass::kSerialPort;
            });
        },
        false);
}

CV_PLUGIN_EXPORT void StartProfileServer() {
    guarded(BtSpp::s_pThis, [] { BtSpp::s_pThis->StartProfileServer(); });
}

CV_PLUGIN_EXPORT void StopProfileServer() {
    guarded(BtSpp::s_pThis, [] { BtSpp::s_pThis->StopProfileServer(); });
}
