// Display names and status words of local servers and shortcuts.
#include <QObject>

#include "corvclient/btsdk.h"
#include "cvcommon/class_names.h"
#include "cvcommon/shortcut_helpers.h"

int CvCm_GetLocSvcDisplayName(unsigned int server, QString* out) {
    if (!server) return BTSDK_ER_INVALID_PARAMETER;
    BtsdkLocalServerAttr attr{};
    BTRESULT r = Btsdk_GetServerAttributes(server, &attr);
    if (r != BTSDK_OK) return static_cast<int>(r);
    if (!out) return 0;
    CvCm_GetSvcDisplayName(attr.service_class, out);
    int port = attr.service_class == 0x1101 ? CvCm_GetLocalSPPSvrComPort(server) : -1;
    if (port > 0) *out += QStringLiteral(" (COM%1)").arg(port);
    return 0;
}

int CvCm_GetLocSvcStatusString(unsigned int server, QString* out) {
    if (!server) return 0;
    BTUINT16 status = 0;
    bool ready = Btsdk_IsBluetoothReady() == 1;
    if (ready) Btsdk_GetServerStatus(server, &status);
    if (out) {
        *out = status == BTSDK_SERVER_IN_USE   ? QObject::tr("Connected")
               : status == BTSDK_SERVER_RUNNING ? QObject::tr("Idle")
                                                : QObject::tr("Disabled");
    }
    return 1;
}

int CvCm_GetRmtSvcStatusString(unsigned int shortcut, QString* out) {
    if (!shortcut) return 0;
    if (out) {
        *out = Btsdk_IsBluetoothReady() != 1       ? QObject::tr("Disabled")
               : CvCm_IsShortcutConnected(shortcut) ? QObject::tr("Connected")
                                                    : QObject::tr("Idle");
    }
    return 1;
}
