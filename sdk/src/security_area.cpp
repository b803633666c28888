// Security area: security mode, authorisation answers and trusted devices.
#include "call.h"
#include "corvclient/btsdk_remote.h"

using namespace corv;

extern "C" {

BTRESULT Btsdk_SetSecurityMode(BTUINT16 mode) {
    return callForResult<method::SetSecurityMode>("Btsdk_SetSecurityMode Error: %s\n", guint{mode});
}

BTRESULT Btsdk_AuthorizationResponse(BTUINT32 service, BTUINT32 device, BTUINT16 answer) {
    return callForResult<method::AuthorizationResponse>("Btsdk_AuthorizationResponse Error: %s\n",
                                                        guint{service}, guint{device},
                                                        guint{answer});
}

BTRESULT Btsdk_SetTrustedDevice(BTUINT32 service, BTUINT32 device, BTUINT8 trusted) {
    return callForResult<method::SetTrustedDevice>("Btsdk_SetTrustedDevice Error: %s\n",
                                                   guint{service}, guint{device},
                                                   Bool{trusted != 0});
}

BTBOOL Btsdk_IsDeviceTrusted(BTUINT32 service, BTUINT32 device) {
    Bool trusted{FALSE};
    bool ok = callSync<method::IsDeviceTrusted>("Btsdk_IsDeviceTrusted Error: %s\n",
                                                ins(guint{service}, guint{device}), outs(&trusted));
    return ok && trusted.value;
}

}  // extern "C"
