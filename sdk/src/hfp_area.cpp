// Hands-free area: the unit-side and gateway-side requests, the audio link and the two
// indications.
#include <algorithm>
#include <cstring>
#include <vector>

#include "call.h"
#include "callback_tables.h"
#include "corv_marshal.h"
#include "corvclient/btsdk_hfp.h"
#include "signal_decoders.h"
#include "signal_subscription.h"
#include "text_cut.h"

using namespace corv;

BtsdkHfpCallback g_hfapcbk_func = nullptr;
BtsdkHfpCallback g_agapcbk_func = nullptr;
BTUINT8 g_bIs_SCO_exist = 0;

namespace {

constexpr BTRESULT kInvalid = BTSDK_ER_INVALID_PARAMETER;

// A byte array of the first `size` bytes of a record.
ByteArray recordBytes(const BTUINT8* record, size_t size) { return ByteArray(record, size); }

// A record from its start to the end of its variable tail (at least `header` bytes).
ByteArray recordWithTail(const BTUINT8* record, size_t header, size_t lengthAt, size_t tailAt) {
    return ByteArray(record, std::max(header, tailAt + record[lengthAt]));
}

template <const Method& M>
BTRESULT getIdentifier(const char* failText, BTCONNHDL connection, BTUINT8* id, BTUINT16* len) {
    if (!connection || !id || !len) return kInvalid;
    OutBytes bytes;
    guint length = 0, result = BTSDK_ER_FAIL;
    if (callSync<M>(failText, ins(guint{connection}, guint{*len}), outs(&bytes, &length, &result)) &&
        result == BTSDK_OK) {
        // The identifier is text: a cut to the caller's size keeps whole characters.
        size_t copied = fittingLength(reinterpret_cast<const char*>(bytes.data()),
                                      std::min<size_t>(length, bytes.size()), *len);
        bytes.copyTo(id, copied);
        *len = static_cast<BTUINT16>(copied);
    }
    return result;
}

template <const Method& M>
BTRESULT sendBytesAndLength(const char* failText, BTCONNHDL connection, const BTUINT8* data,
                            BTUINT16 len) {
    if (!connection || !data) return kInvalid;
    const ByteArray bytes(data, len);
    return callForResult<M>(failText, guint{connection}, &bytes, guint{len});
}

void callIndication(BtsdkHfpCallback callback, guint connection, guint event, GArray* param,
                    guint length) {
    if (!callback) return;
    callback(connection, static_cast<BTUINT16>(event & 0xFFFF),
             param ? reinterpret_cast<BTUINT8*>(param->data) : nullptr,
             indicationLength(param, length));
}

void onHfapRetMsg(DBusGProxy*, guint connection, guint event, GArray* param, guint length, gpointer) {
    callIndication(g_hfapcbk_func, connection, event, param, length);
}

void onAgapRetMsg(DBusGProxy*, guint connection, guint event, GArray* param, guint length, gpointer) {
    callIndication(g_agapcbk_func, connection, event, param, length);
    switch (event) {
        case BTSDK_HFP_SCO_UP:
            g_bIs_SCO_exist = 1;
            raiseUserEvent(BTSDK_USRDEF_SCO_UP, connection);
            break;
        case BTSDK_HFP_SCO_DOWN:
            g_bIs_SCO_exist = 0;
            raiseUserEvent(BTSDK_USRDEF_SCO_DOWN, connection);
            break;
        case BTSDK_HFP_SCO_LOST:
            g_bIs_SCO_exist = 0;
            break;
        default:
            break;
    }
}

// Each indication is subscribed once for the process; registering again only replaces
// the receiver, so an indication never reaches the application twice.
void subscribeIndication(const Signal& signal, GCallback handler) {
    subscribeOnce(ProxyId::HfpCbk, signal, handler, g_cclosure_user_marshal_VOID__UINT_UINT_BOXED_UINT);
}

}  // namespace

extern "C" {

#define HFP_CONN(function)                                                                  \
    BTRESULT Btsdk_##function(BTUINT32 connection) {                                        \
        if (!connection) return kInvalid;                                                   \
        return callForResult<method::Hf_##function>("Btsdk_" #function " Error: %s\n",      \
                                                    guint{connection});                     \
    }
#define HFP_CONN_BYTE(function)                                                             \
    BTRESULT Btsdk_##function(BTUINT32 connection, BTUINT8 value) {                         \
        if (!connection) return kInvalid;                                                   \
        return callForResult<method::Hf_##function>("Btsdk_" #function " Error: %s\n",      \
                                                    guint{connection}, guchar{value});      \
    }
#include "corvclient/btsdk_hfp_simple.def"
#undef HFP_CONN
#undef HFP_CONN_BYTE

BTRESULT Btsdk_RegisterHFPService(const char* name, BTUINT16 service_class, BTUINT16 features) {
    if (!name) return kInvalid;
    return callForResult<method::Hf_RegisterHFPService>("Btsdk_RegisterHFPService Error: %s\n", name,
                                                        guint{service_class}, guint{features});
}

BTRESULT Btsdk_HFAP_GetManufacturerID(BTCONNHDL connection, BTUINT8* id, BTUINT16* len) {
    return getIdentifier<method::Hf_HFAP_GetManufacturerID>(
        "Btsdk_HFAP_GetManufacturerID Error: %s\n", connection, id, len);
}

BTRESULT Btsdk_HFAP_GetModelID(BTCONNHDL connection, BTUINT8* id, BTUINT16* len) {
    return getIdentifier<method::Hf_HFAP_GetModelID>("Btsdk_HFAP_GetModelID Error: %s\n",
                                                     connection, id, len);
}

BTRESULT Btsdk_HFAP_Dial(BTCONNHDL connection, const BTUINT8* number, BTUINT16 len) {
    return sendBytesAndLength<method::Hf_HFAP_Dial>("Btsdk_HFAP_Dial Error: %s\n", connection,
                                                    number, len);
}

BTRESULT Btsdk_HFAP_MemNumDial(BTCONNHDL connection, const BTUINT8* location, BTUINT16 len) {
    return sendBytesAndLength<method::Hf_HFAP_MemNumDial>("Btsdk_HFAP_MemNumDial Error: %s\n",
                                                          connection, location, len);
}

BTRESULT Btsdk_AGAP_ManufacturerIDRsp(BTCONNHDL connection, const BTUINT8* id, BTUINT16 len) {
    return sendBytesAndLength<method::Hf_AGAP_ManufacturerIDRsp>(
        "Btsdk_AGAP_ManufacturerIDRsp Error: %s\n", connection, id, len);
}

BTRESULT Btsdk_AGAP_ModelIDRsp(BTCONNHDL connection, const BTUINT8* id, BTUINT16 len) {
    return sendBytesAndLength<method::Hf_AGAP_ModelIDRsp>("Btsdk_AGAP_ModelIDRsp Error: %s\n",
                                                          connection, id, len);
}

BTRESULT Btsdk_HFAP_3WayCallingHandler(BTCONNHDL connection, BTUINT32 operation, BTUINT8 index) {
    if (!connection) return kInvalid;
    return callForResult<method::Hf_HFAP_3WayCallingHandler>(
        "Btsdk_HFAP_3WayCallingHandler Error: %s\n", guint{connection}, guint{operation},
        guchar{index});
}

BTRESULT Btsdk_AGAP_3WayCallingHandler(BTCONNHDL connection, BTUINT32 operation, BTUINT8 index) {
    if (!connection) return kInvalid;
    return callForResult<method::Hf_AGAP_3WayCallingHandler>(
        "Btsdk_AGAP_3WayCallingHandler Error: %s\n", guint{connection}, guint{operation},
        guchar{index});
}

BTRESULT Btsdk_AGAP_NetworkEvent(BTCONNHDL connection, BTUINT8 event, const BTUINT8* record) {
    constexpr size_t kHeader = 37, kLengthAt = 35;
    if (!connection || !record) return kInvalid;
    bool carriesRecord = event == 1 || event == 3 || event == 7;
    std::vector<BTUINT8> zeros(kHeader, 0);
    const ByteArray bytes = carriesRecord ? ByteArray(record, kHeader + record[kLengthAt])
                                          : ByteArray(zeros.data(), zeros.size());
    return callForResult<method::Hf_AGAP_NetworkEvent>("Btsdk_AGAP_NetworkEvent Error: %s\n",
                                                       guint{connection}, guchar{event}, &bytes);
}

BTRESULT Btsdk_AGAP_VoiceTagPhoneNumRsp(BTCONNHDL connection, const BTUINT8* number, BTUINT8 len) {
    if (!connection || !number) return kInvalid;
    const ByteArray bytes(number, len);
    return callForResult<method::Hf_AGAP_VoiceTagPhoneNumRsp>(
        "Btsdk_AGAP_VoiceTagPhoneNumRsp Error: %s\n", guint{connection}, &bytes, guchar{len});
}

BTRESULT Btsdk_AGAP_NetworkOperatorRsp(BTCONNHDL connection, const BTUINT8* record) {
    if (!connection || !record) return kInvalid;
    const ByteArray bytes = recordWithTail(record, 4, 2, 3);
    return callForResult<method::Hf_AGAP_NetworkOperatorRsp>(
        "Btsdk_AGAP_NetworkOperatorRsp Error: %s\n", guint{connection}, &bytes);
}

BTRESULT Btsdk_AGAP_SubscriberNumberRsp(BTCONNHDL connection, const BTUINT8* record, BTUINT8 value) {
    if (!connection || !record) return kInvalid;
    const ByteArray bytes = recordWithTail(record, 37, 35, 36);
    return callForResult<method::Hf_AGAP_SubscriberNumberRsp>(
        "Btsdk_AGAP_SubscriberNumberRsp Error: %s\n", guint{connection}, &bytes, guchar{value});
}

BTRESULT Btsdk_AGAP_CurrentCallRsp(BTCONNHDL connection, const BTUINT8* record, BTUINT8 value) {
    if (!connection || !record) return kInvalid;
    const ByteArray bytes = recordWithTail(record, 4, 6, 7);
    return callForResult<method::Hf_AGAP_CurrentCallRsp>("Btsdk_AGAP_CurrentCallRsp Error: %s\n",
                                                         guint{connection}, &bytes, guchar{value});
}

BTRESULT Btsdk_AGAP_SetCurIndicatorVal(BTCONNHDL connection, const BTUINT8* record) {
    if (!connection || !record) return kInvalid;
    const ByteArray bytes = recordBytes(record, 7);
    return callForResult<method::Hf_AGAP_SetCurIndicatorVal>(
        "Btsdk_AGAP_SetCurIndicatorVal Error: %s\n", guint{connection}, &bytes);
}

BTRESULT Btsdk_HFP_ExtendCmd(BTCONNHDL connection, const BTUINT8* command, BTUINT16 len,
                             BTUINT32 value) {
    if (!connection || (!command && len)) return kInvalid;
    const ByteArray bytes(command, len);
    return callForResult<method::Hf_HFP_ExtendCmd>("Btsdk_HFP_ExtendCmd Error: %s\n",
                                                   guint{connection}, &bytes, guint{len},
                                                   guint{value});
}

BTRESULT Btsdk_SCO_Start(BTCONNHDL connection) {
    return callForResult<method::Hf_SCO_Start>("Btsdk_SCO_Start Error: %s\n", guint{connection});
}

BTRESULT Btsdk_SCO_Stop(void) { return callForResult<method::Hf_SCO_Stop>("Btsdk_SCO_Stop Error: %s\n"); }

BTRESULT Btsdk_HFAP_APPRegCbk(BtsdkHfpCallback callback) {
    if (!callback) return BTSDK_OK;
    g_hfapcbk_func = callback;
    subscribeIndication(signal::HfapRetMsg, G_CALLBACK(onHfapRetMsg));
    return BTSDK_OK;
}

BTRESULT Btsdk_AGAP_APPRegCbk(BtsdkHfpCallback callback) {
    if (!callback) return BTSDK_OK;
    g_agapcbk_func = callback;
    subscribeIndication(signal::AgapRetMsg, G_CALLBACK(onAgapRetMsg));
    return BTSDK_OK;
}

void Btsdk_HFAP_APPUnRegCbk(void) { g_hfapcbk_func = nullptr; }
void Btsdk_AGAP_APPUnRegCbk(void) { g_agapcbk_func = nullptr; }
BTUINT8 Btsdk_IsSCOExist(void) { return g_bIs_SCO_exist; }

}  // extern "C"
