// Names of remote devices as the user sees them.
#include <QObject>
#include <cstring>

#include "corvclient/btsdk.h"
#include "cvcommon/class_names.h"

QString CvCm_GetRmtDevDisplayName(unsigned int device) {
    BTUINT8 name[128] = {};
    BTUINT16 length = 64;
    QString text;
    if (Btsdk_GetRemoteDeviceName(device, name, &length) == BTSDK_OK)
        text = QString::fromUtf8(reinterpret_cast<const char*>(name),
                                 static_cast<int>(strnlen(reinterpret_cast<const char*>(name), sizeof name)));
    if (!text.isEmpty()) return text;
    BTUINT8 address[6] = {};
    if (Btsdk_GetRemoteDeviceAddress(device, address) != BTSDK_OK) return text;
    return QString::asprintf("%02x:%02x:%02x:%02x:%02x:%02x", address[5], address[4], address[3],
                             address[2], address[1], address[0]);
}

QString CvCm_GetDeviceNameByShortcut(unsigned int shortcut) {
    BtsdkShortcutProperty property{};
    property.shortcut = shortcut;
    if (Btsdk_GetShortCutProperty(&property) != BTSDK_OK) return QObject::tr("Unknown");
    return CvCm_GetRmtDevDisplayName(property.device);
}
