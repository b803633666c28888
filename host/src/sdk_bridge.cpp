#include "sdk_bridge.h"

#include <cstdio>
#include <cstring>

#include "corvclient/btsdk.h"

namespace {

// Library callbacks: they only copy their arguments into a signal.
void onInquiryResult(BTUINT32 device) { Q_EMIT SdkBridge::instance().inquiryResult(device); }
void onInquiryComplete() { Q_EMIT SdkBridge::instance().inquiryComplete(); }
void onPinRequest(BTUINT32 device) { Q_EMIT SdkBridge::instance().pinRequested(device); }
void onConfirmRequest(BTUINT32 device, BTUINT32 value) {
    Q_EMIT SdkBridge::instance().confirmationRequested(device, value);
}
void onPasskeyNotification(BTUINT32 device, BTUINT32 passkey) {
    Q_EMIT SdkBridge::instance().passkeyShown(device, passkey);
}
void onAuthenticationFail(BTUINT32 device) { Q_EMIT SdkBridge::instance().authenticationFailed(device); }
void onConnectionComplete(BTUINT32) { Q_EMIT SdkBridge::instance().connectionsChanged(); }
void onConnectionEvent(BTUINT32 connection, BTUINT32 event, const BTUINT8* record) {
    BtsdkConnectionProperty property{};
    if (record) std::memcpy(&property, record, sizeof property);
    Q_EMIT SdkBridge::instance().connectionEvent(connection, event, property.device, property.service_class);
    Q_EMIT SdkBridge::instance().connectionsChanged();
}
void onAuthorizationRequest(BTUINT32 service, BTUINT32 device) {
    Q_EMIT SdkBridge::instance().authorizationRequested(service, device);
}
void onBluetoothStatus(BTUINT32 status, BTUINT32, BTUINT32) {
    Q_EMIT SdkBridge::instance().bluetoothStatus(status);
}

template <typename F>
void registerFor(BTUINT16 event, F* function, BTRESULT (*registration)(const BtsdkCallbackRecord*)) {
    BtsdkCallbackRecord record{event, reinterpret_cast<BtsdkEventCallback>(function)};
    if (registration(&record) != BTSDK_OK)
        std::fprintf(stderr, "corvane-manager: cannot listen for event %u\n", event);
}

}  // namespace

SdkBridge& SdkBridge::instance() {
    static SdkBridge bridge;
    return bridge;
}

void SdkBridge::registerCallbacks() {
    InitBtsdkCbkDbus();
    registerFor(BTSDK_INQUIRY_RESULT_IND, onInquiryResult, Btsdk_RegisterCallback);
    registerFor(BTSDK_INQUIRY_COMPLETE_IND, onInquiryComplete, Btsdk_RegisterCallback);
    registerFor(BTSDK_PIN_CODE_IND, onPinRequest, Btsdk_RegisterCallback);
    registerFor(BTSDK_USR_CFM_REQ_IND, onConfirmRequest, Btsdk_RegisterCallback);
    registerFor(BTSDK_PASSKEY_NOTIF_IND, onPasskeyNotification, Btsdk_RegisterCallback);
    registerFor(BTSDK_AUTHENTICATION_FAIL_IND, onAuthenticationFail, Btsdk_RegisterCallback);
    registerFor(BTSDK_AUTHORIZATION_REQ_IND, onAuthorizationRequest, Btsdk_RegisterCallback);
    registerFor(BTSDK_CONNECTION_COMPLETE_IND, onConnectionComplete, Btsdk_RegisterCallback);
    registerFor(BTSDK_CONNECTION_EVENT_IND, onConnectionEvent, Btsdk_RegisterCallback);
    registerFor(BTSDK_USRDEF_BT_STATUS, onBluetoothStatus, Btsdk_RegisterUsrDefCallback);
}
