#include "device_info.h"

#include "corvclient/btsdk.h"
#include "cvcommon/class_names.h"

QString addressText(const unsigned char* a) {
    return QString::asprintf("%02X:%02X:%02X:%02X:%02X:%02X", a[5], a[4], a[3], a[2], a[1], a[0]);
}

DeviceInfo readDevice(quint32 device) {
    DeviceInfo info;
    info.handle = device;
    info.name = CvCm_GetRmtDevDisplayName(device);
    BTUINT8 address[BTSDK_BDADDR_LEN] = {};
    if (Btsdk_GetRemoteDeviceAddress(device, address) == BTSDK_OK) info.address = addressText(address);
    Btsdk_GetRemoteDeviceClass(device, &info.deviceClass);
    BTUINT8 paired = 0;
    info.paired = Btsdk_IsDevicePaired(device, &paired) == BTSDK_OK && paired;
    info.connected = Btsdk_IsDeviceConnected(device);
    return info;
}

AdapterInfo readAdapter() {
    AdapterInfo info;
    BTUINT8 name[BTSDK_LOCAL_NAME_BUF] = {};
    if (Btsdk_GetLocalName(name, nullptr) == BTSDK_OK)
        info.name = QString::fromUtf8(reinterpret_cast<const char*>(name));
    BTUINT8 address[BTSDK_BDADDR_LEN] = {};
    if (Btsdk_GetLocalDeviceAddress(address) == BTSDK_OK) info.address = addressText(address);
    info.ready = Btsdk_IsBluetoothReady();
    return info;
}

QList<quint32> knownDevices() {
    QList<quint32> devices;
    BTSDKHANDLE enumeration = Btsdk_StartEnumRemoteDevice(0, 0);
    if (!enumeration) return devices;
    BTUINT8 property[BTSDK_REMOTE_DEVICE_PROP_LEN];
    while (BTDEVHDL device = Btsdk_EnumRemoteDevice(enumeration, property)) devices.append(device);
    Btsdk_EndEnumRemoteDevice(enumeration);
    return devices;
}

QString fieldText(const char* field, size_t size) {
    return QString::fromUtf8(field, static_cast<int>(qstrnlen(field, static_cast<uint>(size))));
}
