// Whether a shortcut's service is connected, directly or through the complementary
// local server.
#include <vector>

#include "corvclient/btsdk.h"
#include "cvcommon/shortcut_helpers.h"

// A read whose profile-attribute block was cut (775) still fills the record.
bool CvCm_ReadShortcutProperty(BtsdkShortcutProperty* property) {
    const BTRESULT result = Btsdk_GetShortCutProperty(property);
    return result == BTSDK_OK || result == BTSDK_SHC_RESULT_PARTIAL;
}

bool CvCm_IsShortcutConnected(unsigned int shortcut) {
    BtsdkShortcutProperty property{};
    property.shortcut = shortcut;
    return CvCm_ReadShortcutProperty(&property) && property.connection != 0;
}

namespace {

// The shortcut class that a connection to a local server of `serverClass` reaches: a
// stereo headset through the audio source, a hands-free or headset unit through the
// gateways; 0 for the others.
BTUINT16 reachedShortcutClass(BTUINT16 serverClass) {
    switch (serverClass) {
        case 0x110A: return 0x110B;
        case 0x111F: return 0x111E;
        case 0x1112: return 0x1108;
        default: return 0;
    }
}

bool deviceHasShortcut(BTDEVHDL device, BTUINT16 serviceClass, unsigned int shortcut) {
    std::vector<BTSHCHDL> handles(1024);
    BTUINT32 count = Btsdk_GetShortCutByDeviceHandle(device, serviceClass, handles.data(),
                                                     static_cast<BTUINT32>(handles.size()));
    for (BTUINT32 i = 0; i < count && i < handles.size(); ++i)
        if (handles[i] == shortcut) return true;
    return false;
}

}  // namespace

bool CvCm_IsShortcutRelatedConnected(unsigned int shortcut) {
    BTSDKHANDLE enumeration = Btsdk_StartEnumConnection();
    if (!enumeration) return false;
    bool related = false;
    BtsdkConnectionProperty property{};
    while (!related && Btsdk_EnumConnection(enumeration, &property)) {
        BTUINT16 reached = reachedShortcutClass(property.service_class);
        related = reached && deviceHasShortcut(property.device, reached, shortcut);
        property = {};
    }
    Btsdk_EndEnumConnection(enumeration);
    return related;
}
