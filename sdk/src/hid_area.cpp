// HID area: the service's input-device support and plugged devices by address.
#include <cstring>

#include "call.h"
#include "corvclient/btsdk_av_hid.h"

using namespace corv;

namespace {

constexpr size_t kHidRecordLen = 20;

// The low byte of a library result code, as the byte-returning operations answer.
constexpr BTUINT8 lowByte(BTRESULT code) { return static_cast<BTUINT8>(code & 0xFF); }

template <const Method& M>
BTUINT8 askByAddress(const char* failText, const BTUINT8* address) {
    if (!address) return lowByte(BTSDK_ER_INVALID_PARAMETER);
    const ByteArray bytes(address, BTSDK_BDADDR_LEN);
    guchar answer = 0;
    if (!callSync<M>(failText, ins(&bytes), outs(&answer))) return lowByte(BTSDK_ER_FAIL);
    return answer;
}

}  // namespace

extern "C" {

BTUINT8 Btsdk_HidInit(void) {
    guchar result = 0;
    if (!callSync<method::HidInit>("Btsdk_HidInit Error: %s\n", ins(), outs(&result))) {
        return lowByte(BTSDK_ER_FAIL);
    }
    return result;
}

BTUINT8 Btsdk_HidSetQosCmdFlags(BTUINT8 flag) {
    callSync<method::HidSetQosCmdFlags>("Btsdk_HidSetQosCmdFlags Error: %s\n",
                                        ins(Bool{flag != 0}), outs());
    return 0;
}

BTRESULT Btsdk_Hid_ClntPluggedDev(const BTUINT8* address, const void* information,
                                  const BTUINT8* record) {
    if (!address || !information || !record) return BTSDK_ER_INVALID_PARAMETER;
    BTUINT32 size = 0;
    std::memcpy(&size, information, sizeof size);  // the record's own size comes first
    const ByteArray addressBytes(address, BTSDK_BDADDR_LEN);
    const ByteArray informationBytes(information, size);
    const ByteArray recordBytes(record, kHidRecordLen);
    gint result = static_cast<gint>(BTSDK_ER_FAIL);
    callSync<method::HidClntPluggedDev>("Btsdk_Hid_ClntPluggedDev Error: %s\n",
                                        ins(&addressBytes, &informationBytes, &recordBytes),
                                        outs(&result));
    return static_cast<BTRESULT>(result);
}

BTRESULT Btsdk_Hid_ClntUnPluggedDev(const BTUINT8* address) {
    if (!address) return BTSDK_ER_INVALID_PARAMETER;
    const ByteArray bytes(address, BTSDK_BDADDR_LEN);
    return callForResult<method::HidClntUnpluggedDev>("Btsdk_Hid_ClntUnPluggedDev Error: %s\n",
                                                      &bytes);
}

BTRESULT Btsdk_Hid_ClntDisableAutoConnect(void) {
    return callForResult<method::HidClntDisableAutoConnect>(
        "Btsdk_Hid_ClntDisableAutoConnect Error: %s\n");
}

BTUINT8 Btsdk_Hid_GetPlugFlag(const BTUINT8* address) {
    return askByAddress<method::HidGetPlugFlag>("Btsdk_Hid_GetPlugFlag Error: %s\n", address);
}

BTUINT8 Btsdk_Hid_GetSubClass(const BTUINT8* address) {
    return askByAddress<method::HidGetSubClass>("Btsdk_Hid_GetSubClass Error: %s\n", address);
}

}  // extern "C"
