// Names of remote devices as the user sees them.
#include <QObject>
#include <cstring>

#include "corvclient/btsdk.h"
#include "cvcommon/class_names.h"
#include "cvcommon/shortcut_helpers.h"

QString CvCm_GetRmtDevName(unsigned int device, unsigned short length) {
    BTUINT8 name[256] = {};  // the longest name a device may have (248 bytes) fits
    BTUINT16 room = length < sizeof name ? length : sizeof name;
    if (Btsdk_GetRemoteDeviceName(device, name, &room) != BTSDK_OK) return {};
    // A name that fills the buffer comes without its NUL.
    const char* text = reinterpret_cast<const char*>(name);
    return QString::fromUtf8(text, static_cast<int>(strnlen(text, sizeof name)));
}

QString CvCm_GetRmtDevDisplayName(unsigned int device, unsigned short length) {
    const QString text = CvCm_GetRmtDevName(device, length);
    if (!text.isEmpty()) return text;
    BTUINT8 address[6] = {};
    if (Btsdk_GetRemoteDeviceAddress(device, address) != BTSDK_OK) return text;
    return QString::asprintf("%02x:%02x:%02x:%02x:%02x:%02x", address[5], address[4], address[3],
                             address[2], address[1], address[0]);
}

QString CvCm_GetDeviceNameByShortcut(unsigned int shortcut) {
    BtsdkShortcutProperty property{};
    property.shortcut = shortcut;
    if (!CvCm_ReadShortcutProperty(&property)) return QObject::tr("Unknown");
    return CvCm_GetRmtDevDisplayName(property.device);
}
