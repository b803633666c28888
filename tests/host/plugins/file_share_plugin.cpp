// A test plug-in for the manager: it supports file transfer (0x1106), gives shortcuts of
// that class two actions and a tool-tip, and at server start registers the file-transfer
// service with the shared folder of the common settings file. When a remote device puts
// a file there, its receive callback asks the host to show it, as the file-transfer
// plug-in does, and hands the host's answer back to the library.
#include <QAction>
#include <QStringList>

#include "corvclient/btsdk.h"
#include "cvcommon/profile_ini.h"
#include "cvcommon/profile_plugin.h"
#include "cvcommon/settings_paths.h"

namespace {

constexpr unsigned short kFileTransfer = 0x1106;
constexpr BTUINT32 kReceivedByFileTransfer = 0x06A00300;

HostInvokeFunc s_host = nullptr;
char s_folder[256];

BTUINT32 onFileReceived(BtSdkFileTransferReqStru* request) {
    if (!s_host || request->status != kReceivedByFileTransfer) return 0;
    QStringList list{QString::fromUtf8(s_folder), QString::fromUtf8(request->path, static_cast<int>(qstrnlen(request->path, sizeof request->path)))};
    return s_host(1, 7, 260, &list);
}

}  // namespace

CV_PLUGIN_EXPORT void setCvCommFunc(HostInvokeFunc host) { s_host = host; }
CV_PLUGIN_EXPORT bool IsSupportedServiceClass(unsigned short svcClass) { return svcClass == kFileTransfer; }
CV_PLUGIN_EXPORT QList<QAction*> GetActionListByShortcut(unsigned int) {
    static QAction open(QStringLiteral("Test: browse folders"));
    static QAction send(QStringLiteral("Test: send a file"));
    return {&open, &send};
}
CV_PLUGIN_EXPORT QString getProfileTipByShortcut(unsigned int shortcut, unsigned int) {
    return QStringLiteral("Test tip of shortcut %1").arg(shortcut);
}
CV_PLUGIN_EXPORT void StartProfileServer() {
    char settings[256];
    CvCm_GetCommonSettingFilePath(settings, sizeof settings);
    GetPrivateProfileString("FTPSERVER", "SHAREFOLDER", "", s_folder, sizeof s_folder, settings);
    int access = GetPrivateProfileInt("FTPSERVER", "DESIRED_ACCESS", 1, settings);
    Btsdk_RegisterFTPService(static_cast<BTUINT16>(access), s_folder);
    Btsdk_FTPRegisterDealReceiveFileCB(onFileReceived);
}
CV_PLUGIN_EXPORT void StopProfileServer() { Btsdk_UnregisterFTPService(); }
