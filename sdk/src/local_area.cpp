// Local-device area: the local adapter's name, address, class, discovery mode, LMP
// information, vendor and HCI commands, and adapter removal.
#include <cstring>

#include "call.h"
#include "corvclient/btsdk_local.h"
#include "text_cut.h"

using namespace corv;

extern "C" {

BTRESULT Btsdk_GetLocalName(BTUINT8* name, BTUINT16* len) {
    if (!name) return BTSDK_ER_INVALID_PARAMETER;
    OutString text;
    guint result = BTSDK_ER_FAIL;
    if (callSync<method::GetLocalName>("Btsdk_GetLocalName async error", ins(),
                                       outs(&text, &result))) {
        // Without a size the buffer is the documented one; names are at most 255 bytes.
        copyText(reinterpret_cast<char*>(name), len ? *len : BTSDK_LOCAL_NAME_BUF,
                 text.value ? text.value : "");
    }
    return result;
}

BTRESULT Btsdk_SetLocalName(const BTUINT8* name, BTUINT16 len) {
    if (len >= BTSDK_LOCAL_NAME_BUF) return BTSDK_ER_FAIL;
    if (!name && len) return BTSDK_ER_INVALID_PARAMETER;
    char buffer[BTSDK_LOCAL_NAME_BUF] = {};
    if (len) std::memcpy(buffer, name, len);
    return callForResult<method::SetLocalName>("Btsdk_SetLocalName Error: %s\n",
                                               static_cast<const char*>(buffer));
}

BTRESULT Btsdk_GetLocalDeviceAddress(BTUINT8* address) {
    if (!address) return BTSDK_ER_INVALID_PARAMETER;
    OutBytes bytes;
    guint result = BTSDK_ER_FAIL;
    if (callSync<method::GetLocalDeviceAddress>("Btsdk_GetLocalDeviceAddress async error", ins(),
                                                outs(&bytes, &result)) &&
        bytes.value) {
        bytes.copyTo(address, BTSDK_BDADDR_LEN);
    }
    return result;
}

BTRESULT Btsdk_GetLocalDeviceClass(BTUINT32* device_class) {
    if (!device_class) return BTSDK_ER_INVALID_PARAMETER;
    guint result = BTSDK_ER_FAIL;
    callSync<method::GetLocalDeviceClass>("Btsdk_GetLocalDeviceClass async error", ins(),
                                          outs(device_class, &result));
    return result;
}

BTRESULT Btsdk_SetLocalDeviceClass(BTUINT32 device_class) {
    return callForResult<method::SetLocalDeviceClass>("Btsdk_SetLocalDeviceClass Error: %s\n",
                                                      guint{device_class});
}

BTRESULT Btsdk_GetDiscoveryMode(BTUINT16* mode) {
    if (!mode) return BTSDK_ER_INVALID_PARAMETER;
    return callForValue<method::GetDiscoveryMode>("Btsdk_GetDiscoveryMode Error: %s\n", mode);
}

BTRESULT Btsdk_SetDiscoveryMode(BTUINT16 mode) {
    return callForResult<method::SetDiscoveryMode>("Btsdk_SetDiscoveryMode Error: %s\n",
                                                   guint{mode});
}

BTRESULT Btsdk_SetDefaultMode(void) {
    return callForResult<method::SetDefaultMode>("Btsdk_SetDefaultMode Error: %s\n");
}

BTRESULT Btsdk_GetLocalLMPInfo(BTUINT8* info) {
    if (!info) return BTSDK_ER_INVALID_PARAMETER;
    OutBytes bytes;
    guint result = BTSDK_ER_FAIL;
    if (callSync<method::GetLocalLmpInfo>("Btsdk_GetLocalLMPInfo Error: %s\n", ins(),
                                          outs(&bytes, &result)) &&
        result == BTSDK_OK) {
        bytes.copyTo(info, BTSDK_LMP_INFO_LEN);
    }
    return result;
}

BTRESULT Btsdk_SendVendorCommand(BTUINT16 len, const BTUINT8* command, BTUINT8* reply) {
    if ((!command && len) || !reply) return BTSDK_ER_INVALID_PARAMETER;
    const ByteArray request(command, len);
    OutBytes answer;
    guint result = BTSDK_ER_FAIL;
    if (callSync<method::VendorCommand>("Btsdk_SendVendorCommand async error",
                                        ins(guint{len}, &request),
                                        outs(&result, &answer)) &&
        result == BTSDK_OK) {
        answer.copyTo(reply, BTSDK_VENDOR_REPLY_LEN);
    }
    return result;
}

BTRESULT Btsdk_SendHCICommand(BTUINT16 opcode, BTUINT16 param_len, const BTUINT8* param,
                              BTUINT16 reply_len, BTUINT8* reply) {
    if (!param || (!reply && reply_len)) return BTSDK_ER_INVALID_PARAMETER;
    const ByteArray request(param, static_cast<size_t>(param_len) + 2);
    OutBytes answer;
    guint result = BTSDK_ER_FAIL;
    if (callSync<method::ExecuteHciCommand>(
            "Btsdk_SendHCICommand error",
            ins(guint{opcode}, guint{param_len}, guint{reply_len}, &request),
            outs(&result, &answer)) &&
        result == BTSDK_OK && reply_len) {
        answer.copyTo(reply, reply_len);
    }
    return result;
}

BTRESULT Btsdk_BTDeviceUnplug(void) {
    gint result = static_cast<gint>(BTSDK_ER_FAIL);
    callSync<method::BtDevUnplug>("Btsdk_BTDeviceUnplug async error", ins(), outs(&result));
    return static_cast<BTRESULT>(result);
}

}  // extern "C"
