// Serial-port and dial-up areas: their local servers, dialling and hanging up.
#include <cstring>
#include <string>
#include <vector>

#include "call.h"
#include "corvclient/btsdk_profiles.h"

using namespace corv;

extern "C" {

BTRESULT Btsdk_RegisterSPPService(BTUINT16 com_port) {
    return callForResult<method::RegisterSppService>("Btsdk_RegisterSPPService Error: %s\n",
                                                     guint{com_port});
}

BTRESULT Btsdk_UnregisterSPPService(BTUINT32 key) {
    return callForResult<method::UnregisterSppService>("Btsdk_UnregisterSPPService Error: %s\n",
                                                       guint{key});
}

BTRESULT Btsdk_DunInit(void) { return callForResult<method::DunInit>("Btsdk_DunInit Error: %s\n"); }

BTRESULT Btsdk_DunDone(void) { return callForResult<method::DunDone>("Btsdk_DunDone Error: %s\n"); }

BTRESULT Btsdk_RegisterDUNService(BTUINT16 value) {
    return callForResult<method::RegisterDunService>("Btsdk_RegisterDUNService Error: %s\n",
                                                     guint{value});
}

BTRESULT Btsdk_UnregisterDUNService(void) {
    return callForResult<method::UnregisterDunService>("Btsdk_UnregisterDUNService Error: %s\n");
}

BTRESULT Btsdk_DunDial(const char* text1, const char* text2, const char* text3, const char* text4,
                       const char* text5, const char* text6, const char* text7, const char* device) {
    const char* texts[] = {text1, text2, text3, text4, text5, text6, text7, device};
    std::vector<guint> lengths;
    std::string joined;
    for (const char* text : texts) {
        if (!text) return BTSDK_ER_INVALID_PARAMETER;
        lengths.push_back(static_cast<guint>(std::strlen(text)));
        joined += text;
    }
    const UIntArray lengthList(lengths);
    const ByteArray bytes(joined.data(), joined.size());
    guint result = BTSDK_ER_FAIL;
    callWaited<method::DunDial>("Btsdk_DunDial async error", "DunDialCbk Error: %s\n",
                                ins(&lengthList, &bytes), outs(&result));
    return result;
}

BTRESULT Btsdk_DunHangUp(void) {
    return callForResult<method::DunHangUp>("Btsdk_DunHangUp Error: %s\n");
}

}  // extern "C"
