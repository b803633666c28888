// A test plug-in with only a few entry points: it supports serial port (0x1101) and
// object push (0x1105) and gives actions for local servers only.
#include <QAction>

#include "plugin_log.h"

CV_PLUGIN_EXPORT QStringList* testLog() { return &pluginLog(); }

CV_PLUGIN_EXPORT unsigned short GetPlugProfileCls() { return 0x1105; }
CV_PLUGIN_EXPORT bool IsSupportedServiceClass(unsigned short svcClass) {
    note(QStringLiteral("IsSupportedServiceClass %1").arg(svcClass, 0, 16));
    return svcClass == 0x1101 || svcClass == 0x1105;
}
CV_PLUGIN_EXPORT QList<QAction*> GetLocalSvrActionList(unsigned int server) {
    static QAction action(QStringLiteral("Partial: server"));
    note(QStringLiteral("GetLocalSvrActionList %1").arg(server));
    return {&action};
}
