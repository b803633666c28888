#include "working_thread.h"

#include "corvclient/btsdk.h"
#include "cvcommon/service_classes.h"
#include "cvcommon/shortcut_helpers.h"
#include "device_param_bits.h"
#include "profilekit/serial_blocks.h"

namespace {

constexpr uint kStackSize = 1048576;

BTRESULT connectOn(BTSHCHDL shortcut, uint16_t port, BTCONNHDL* connection) {
    SerialConnectParam param(port);
    return Btsdk_ConnectShortCutEx(shortcut, &param, connection);
}

// A shortcut of the device's first serial-port service, or 0.
BTSHCHDL firstSerialShortcut(BTDEVHDL device) {
    const BTSDKHANDLE enumeration = Btsdk_StartEnumRemoteService(device);
    if (!enumeration) return 0;
    BTSHCHDL found = 0;
    for (;;) {
        BtsdkRemoteServiceAttr attr{};
        const BTSVCHDL service = Btsdk_EnumRemoteService(enumeration, &attr);
        if (!service) break;
        if (attr.service_class != btclass::kSerialPort) continue;
        // One handle asked for: none comes back when the service has no shortcut.
        Btsdk_GetShortCutByServiceHandle(device, service, &found, 1);
        break;
    }
    Btsdk_EndEnumRemoteService(enumeration);
    return found;
}

// Browses the shortcut's device again, noting the browse in the device's parameter word.
BTSHCHDL newerShortcut(BTSHCHDL shortcut) {
    BtsdkShortcutProperty property{};
    property.shortcut = shortcut;
    if (!CvCm_ReadShortcutProperty(&property) || !property.device) return 0;
    BTUINT32 param = 0;
    if (Btsdk_GetRemoteDeviceParam(property.device, &param) != BTSDK_OK) return 0;
    param |= kServicesBrowsed;
    BTUINT32 count = 0;
    const bool browsed = Btsdk_BrowseRemoteServices(property.device, nullptr, &count) == BTSDK_OK;
    param = browsed ? param | kServicesFound : param & ~kServicesFound;
    Btsdk_SetRemoteDeviceParam(property.device, param);
    return browsed ? firstSerialShortcut(property.device) : 0;
}

OperationOutcome connectSerial(OperationJob& job) {
    Btsdk_StopDeviceDiscovery();
    if (job.cancelled()) return OperationOutcome::silent();
    BTSHCHDL shortcut = job.wparam;
    const auto port = static_cast<uint16_t>(job.lparam);
    BTCONNHDL connection = 0;
    BTRESULT result = connectOn(shortcut, port, &connection);
    if (result != BTSDK_OK) {
        if (const BTSHCHDL newer = newerShortcut(shortcut)) {
            shortcut = newer;
            result = connectOn(shortcut, port, &connection);
        }
    }
    WriteShortcutComPort(shortcut, port);
    if (job.cancelled()) {
        if (result == BTSDK_OK) Btsdk_Disconnect(connection);
        return OperationOutcome::silent();
    }
    return result == BTSDK_OK ? OperationOutcome::success(connection)
                              : OperationOutcome::code(WorkingThread::ConnectFailed);
}

OperationOutcome disconnectSerial(OperationJob& job) {
    const BTRESULT result = Btsdk_DisconnectShortCut(job.wparam);
    return result == BTSDK_OK ? OperationOutcome::success() : OperationOutcome::failure(result);
}

}  // namespace

WorkingThread::WorkingThread(QObject* parent)
    : ProfileWorker({{Connect, connectSerial}, {Disconnect, disconnectSerial}}, kStackSize, parent) {}
