// Remote-device area: discovery, the device list, names, addresses, classes, link
// quality and roles, pairing and the answers to pairing indications.
#include <algorithm>
#include <iterator>
#include <cstring>

#include "call.h"
#include "corvclient/btsdk_remote.h"
#include "handle_list.h"
#include "text_cut.h"

using namespace corv;

namespace {

// Bytes of the name buffer of a name update.
constexpr size_t kUpdateNameBuffer = 132;

// Copies the name into the caller's buffer of *len bytes: the buffer is zeroed, then as
// much of the name as fits in whole characters is copied and *len is set to that count.
void copyName(const char* name, BTUINT8* buffer, BTUINT16* len) {
    size_t n = fittingLength(name, std::strlen(name), *len);
    std::memset(buffer, 0, *len);
    std::memcpy(buffer, name, n);
    *len = static_cast<BTUINT16>(n);
}

}  // namespace

extern "C" {

BTRESULT Btsdk_StartDeviceDiscovery(BTUINT32 device_class, BTUINT16 max_devices, BTUINT16 duration) {
    return callForResult<method::StartDeviceDiscovery>("Btsdk_StartDeviceDiscovery Error: %s\n",
                                                       guint{device_class}, guint{max_devices},
                                                       guint{duration});
}

BTRESULT Btsdk_StopDeviceDiscovery(void) {
    return callForResult<method::StopDeviceDiscovery>("Btsdk_StopDeviceDiscovery async error");
}

BTUINT32 Btsdk_IsInquiryCancelled(void) {
    guint value = 0;
    callSync<method::IsInquiryCancelled>("Btsdk_IsInquiryCancelled error", ins(), outs(&value));
    return value;
}

BTRESULT Btsdk_GetRemoteDeviceName(BTDEVHDL device, BTUINT8* name, BTUINT16* len) {
    if (!name || !len) return BTSDK_ER_INVALID_PARAMETER;
    OutString text;
    guint result = BTSDK_ER_FAIL;
    if (!callSync<method::GetRemoteDeviceName>("Btsdk_GetRemoteDeviceName Error: %s\n",
                                               ins(guint{device}), outs(&text, &result))) {
        return result;
    }
    if (result != BTSDK_OK) {
        *len = 0;
    } else {
        copyName(text.value ? text.value : "", name, len);
    }
    return result;
}

BTRESULT Btsdk_UpdateRemoteDeviceName(BTDEVHDL device, BTUINT8* name, BTUINT16* len) {
    if (!name || !len) return BTSDK_ER_INVALID_PARAMETER;
    OutString text;
    guint result = BTSDK_ER_FAIL;
    callWaited<method::UpdateRemoteDeviceName>("Btsdk_UpdateRemoteDeviceName async error",
                                               "Btsdk_UpdateRemoteDeviceName Error: %s\n",
                                               ins(guint{device}), outs(&text, &result));
    if (result != BTSDK_OK) {
        *len = 0;
        return result;
    }
    // The update keeps at most 131 name bytes, as its record's name buffer holds.
    char kept[kUpdateNameBuffer] = {};
    copyText(kept, sizeof kept, text.value ? text.value : "");
    copyName(kept, name, len);
    return result;
}

BTRESULT Btsdk_CancelUpdateRemoteDeviceName(BTDEVHDL device) {
    return callForResult<method::CancelUpdateRemoteDeviceName>(
        "Btsdk_CancelUpdateRemoteDeviceName error", guint{device});
}

BTRESULT Btsdk_GetRemoteDeviceAddress(BTDEVHDL device, BTUINT8* address) {
    if (!address) return BTSDK_ER_INVALID_PARAMETER;
    OutBytes bytes;
    guint result = BTSDK_ER_FAIL;
    if (callSync<method::GetRemoteDeviceAddress>("Btsdk_GetRemoteDeviceAddress async error",
                                                 ins(guint{device}), outs(&bytes, &result)) &&
        result == BTSDK_OK) {
        bytes.copyTo(address, BTSDK_BDADDR_LEN);
    }
    return result;
}

BTRESULT Btsdk_GetRemoteDeviceClass(BTDEVHDL device, BTUINT32* device_class) {
    if (!device_class) return BTSDK_ER_INVALID_PARAMETER;
    guint result = BTSDK_ER_FAIL;
    callSync<method::GetRemoteDeviceClass>("Btsdk_GetRemoteDeviceClass async error",
                                           ins(guint{device}), outs(device_class, &result));
    return result;
}

BTDEVHDL Btsdk_AddRemoteDevice(const BTUINT8* address) {
    if (!address) return 0;
    const ByteArray bytes(address, BTSDK_BDADDR_LEN);
    guint device = 0;
    callSync<method::AddRemoteDevice>("Btsdk_AddRemoteDevice async error", ins(&bytes),
                                      outs(&device));
    return device;
}

BTRESULT Btsdk_DeleteRemoteDeviceByHandle(BTDEVHDL device) {
    return callForResult<method::DeleteRemoteDeviceByHandle>(
        "Btsdk_DeleteRemoteDeviceByHandle Error: %s\n", guint{device});
}

BTUINT32 Btsdk_GetStoredDevicesByClass(BTUINT32 device_class, BTDEVHDL* handles, BTUINT32 max) {
    if (!handles) return 0;
    guint unused = 0, count = 0;
    OutBytes bytes;
    if (!callSync<method::GetStoredDevicesByClass>("Btsdk_GetStoredDevicesByClass error",
                                                   ins(guint{device_class}, guint{max}),
                                                   outs(&unused, &bytes, &count))) {
        return 0;
    }
    return copyHandles(bytes, count, handles, max);
}

BTSDKHANDLE Btsdk_StartEnumRemoteDevice(BTUINT32 first, BTUINT32 second) {
    guint enumeration = 0;
    callSync<method::StartEnumRemoteDevice>("Btsdk_StartEnumRemoteDevice Error: %s\n",
                                            ins(guint{first}, guint{second}), outs(&enumeration));
    return enumeration;
}

BTDEVHDL Btsdk_EnumRemoteDevice(BTSDKHANDLE enumeration, BTUINT8* property) {
    OutBytes bytes;
    guint device = 0;
    if (!callSync<method::EnumRemoteDevice>("Btsdk_EnumRemoteDevice Error: %s\n",
                                            ins(guint{enumeration}), outs(&bytes, &device))) {
        return 0;
    }
    if (device && property) bytes.copyTo(property, BTSDK_REMOTE_DEVICE_PROP_LEN);
    return device;
}

BTRESULT Btsdk_EndEnumRemoteDevice(BTSDKHANDLE enumeration) {
    return callForResult<method::EndEnumRemoteDevice>("Btsdk_EndEnumRemoteDevice Error: %s\n",
                                                      guint{enumeration});
}

BTRESULT Btsdk_IsDevicePaired(BTDEVHDL device, BTUINT8* paired) {
    if (!paired) return BTSDK_ER_INVALID_PARAMETER;
    return callForValue<method::IsDevicePaired>("Btsdk_IsDevicePaired async error", paired,
                                                guint{device});
}

BTBOOL Btsdk_IsDeviceConnected(BTDEVHDL device) {
    guint value = 0;
    bool ok = callSync<method::IsDeviceConnected>("Btsdk_IsDeviceConnected async error",
                                                  ins(guint{device}), outs(&value));
    return ok && value != 0;
}

BTRESULT Btsdk_PairDevice(BTDEVHDL device) {
    // The area proxy goes on the second request connection when pairing is its first use.
    if (libraryStarted()) proxyFor(ProxyId::Rmt, ConnectionSlot::Request2);
    guint result = BTSDK_ER_FAIL;
    callWaited<method::PairDevice>("Btsdk_PairDevice async error", "Btsdk_PairDevice Error: %s\n",
                                   ins(guint{device}), outs(&result));
    return result;
}

BTRESULT Btsdk_UnPairDevice(BTDEVHDL device) {
    return callForResult<method::UnPairDevice>("Btsdk_UnPairDevice Error: %s\n", guint{device});
}

BTRESULT Btsdk_PinCodeReply(BTDEVHDL device, const BTUINT8* pin, BTUINT16 len) {
    if (!pin && len) return BTSDK_ER_INVALID_PARAMETER;
    const ByteArray bytes(pin, len);
    return callForResult<method::PinCodeReply>("Btsdk_PinCodeReply async error", guint{device},
                                               &bytes, guint{len});
}

BTRESULT Btsdk_PasskeyReqReply(BTDEVHDL device, BTUINT32 passkey) {
    return callForResult<method::PasskeyReqReply>("Btsdk_PasskeyReqReply error", guint{device},
                                                  guint{passkey});
}

BTRESULT Btsdk_LinkKeyReply(BTDEVHDL device, const BTUINT8* key) {
    if (!key) return BTSDK_ER_INVALID_PARAMETER;
    const ByteArray bytes(key, BTSDK_LINKKEY_LEN);
    return callForResult<method::LinkKeyReply>("Btsdk_LinkKeyReply error", guint{device}, &bytes);
}

BTRESULT Btsdk_UsrCfmReqReply(BTDEVHDL device, BTUINT8 accept) {
    return callForResult<method::UsrCfmReqReply>("Btsdk_UsrCfmReqReply Error: %s\n", guint{device},
                                                 guint{accept});
}

BTRESULT Btsdk_IOCapReqReply(BTDEVHDL device, BTUINT8 io_capability, BTUINT8 oob_data,
                             BTUINT8 auth_requirements) {
    return callForResult<method::IoCapReqReply>("Btsdk_IOCapReqReply Error: %s\n", guint{device},
                                                guint{io_capability}, guint{oob_data},
                                                guint{auth_requirements});
}

BTRESULT Btsdk_RemoteDeviceFlowStatistic(BTDEVHDL device, BTUINT32* received, BTUINT32* sent) {
    if (!received || !sent) return BTSDK_ER_INVALID_PARAMETER;
    guint result = BTSDK_ER_FAIL;
    callSync<method::RemoteDeviceFlowStatistic>("Btsdk_RemoteDeviceFlowStatistic Error: %s\n",
                                                ins(guint{device}), outs(received, sent, &result));
    return result;
}

BTRESULT Btsdk_GetRemoteRSSI(BTDEVHDL device, BTUINT8* rssi) {
    if (!rssi) return BTSDK_ER_INVALID_PARAMETER;
    return callForValue<method::GetRemoteRssi>("Btsdk_GetRemoteRSSI Error: %s\n", rssi,
                                               guint{device});
}

BTRESULT Btsdk_ChangeConnectionPacketType(BTDEVHDL device, BTUINT16 packet_types) {
    gint result = static_cast<gint>(BTSDK_ER_FAIL);
    callSync<method::ChangeConnectionPacketType>("Btsdk_ChangeConnectionPacketType Error: %s\n",
                                                 ins(guint{device}, guint{packet_types}),
                                                 outs(&result));
    return static_cast<BTRESULT>(result);
}

BTRESULT Btsdk_GetRemoteDeviceRole(BTDEVHDL device, BTUINT16* role) {
    if (!role) return BTSDK_ER_INVALID_PARAMETER;
    return callForValue<method::GetRemoteDeviceRole>("Btsdk_GetRemoteDeviceRole Error: %s\n", role,
                                                     guint{device});
}

BTRESULT Btsdk_SwitchRole(BTDEVHDL device, BTUINT16 role) {
    return callForResult<method::SwitchRole>("Btsdk_SwitchRole Error: %s\n", guint{device},
                                             guint{role});
}

BTRESULT Btsdk_GetRemoteDeviceParam(BTDEVHDL device, BTUINT32* param) {
    if (!device || !param) return BTSDK_ER_INVALID_PARAMETER;
    guint result = BTSDK_ER_FAIL;
    callSync<method::GetRemoteDeviceParam>("Btsdk_GetRemoteDeviceParam async error",
                                           ins(guint{device}), outs(param, &result));
    return result;
}

BTRESULT Btsdk_SetRemoteDeviceParam(BTDEVHDL device, BTUINT32 param) {
    if (!device) return BTSDK_ER_INVALID_PARAMETER;
    return callForResult<method::SetRemoteDeviceParam>("Btsdk_SetRemoteDeviceParam async error",
                                                       guint{device}, guint{param});
}

BTRESULT Btsdk_SetLinkMode(BTDEVHDL device, BTUINT8 mode, const BTUINT8* param) {
    static constexpr size_t kParamBytes[] = {0, 6, 10, 6};
    if (!device) return BTSDK_ER_INVALID_PARAMETER;
    if (mode >= std::size(kParamBytes)) return BTSDK_ER_FAIL;
    size_t count = kParamBytes[mode];
    if (count && !param) return BTSDK_ER_INVALID_PARAMETER;
    const ByteArray bytes(param, count);
    return callForResult<method::SetLinkMode>("Btsdk_SetLinkMode Error: %s\n", guint{device},
                                              guint{mode}, guint(count), &bytes);
}

}  // extern "C"
