// The clean-up that runs when the adapter is removed.
#include "corvclient/btsdk_init.h"
#include "corvclient/btsdk_local.h"
#include "corvclient/btsdk_remote.h"
#include "corvclient/btsdk_shortcut.h"

namespace {

constexpr BTUINT32 kMaxShortcutsPerDevice = 32;

// Deletes the shortcuts of every known device, and the devices that are not paired.
void removeUselessDevices() {
    BTSDKHANDLE enumeration = Btsdk_StartEnumRemoteDevice(0, 0);
    if (!enumeration) return;
    BTUINT8 property[BTSDK_REMOTE_DEVICE_PROP_LEN];
    while (BTDEVHDL device = Btsdk_EnumRemoteDevice(enumeration, property)) {
        BTSHCHDL shortcuts[kMaxShortcutsPerDevice];
        BTUINT32 count = Btsdk_GetShortCutByDeviceHandle(device, 0, shortcuts, kMaxShortcutsPerDevice);
        for (BTUINT32 i = 0; i < count; ++i) Btsdk_DeleteShortCut(shortcuts[i]);
        BTUINT8 paired = 1;
        if (Btsdk_IsDevicePaired(device, &paired) == BTSDK_OK && !paired) {
            Btsdk_DeleteRemoteDeviceByHandle(device);
        }
    }
    Btsdk_EndEnumRemoteDevice(enumeration);
}

}  // namespace

extern "C" BTRESULT Btsdk_HardwareControl(BTUINT32 flag) {
    if (flag != 0) return BTSDK_OK;
    removeUselessDevices();
    if (Btsdk_IsBluetoothReady()) Btsdk_BTDeviceUnplug();
    return BTSDK_OK;
}
