// Initialisation area: Bluetooth start and stop, readiness, the service's settings
// files and trace records.
#include "call.h"
#include "corvclient/btsdk_init.h"
#include "corv_marshal.h"
#include "signal_decoders.h"
#include "signal_subscription.h"

using namespace corv;

namespace {

BtsdkTraceCallback s_traceCallback = nullptr;

void onLogTesterData(DBusGProxy*, guchar kind, gint value, GArray* data, gpointer) {
    BtsdkTraceCallback callback = s_traceCallback;
    if (!callback) return;
    if (!data) {
        callback(0, kind, value, nullptr);
        return;
    }
    SignalBytes bytes(data, kEventBlockMin);
    callback(0, kind, value, bytes.data());
}


BTBOOL askBoolean(bool answered, guint value) { return answered ? static_cast<BTBOOL>(value & 0xFF) : 0; }

}  // namespace

extern "C" {

BTRESULT Btsdk_StartBluetooth(void) {
    guint result = BTSDK_ER_FAIL;
    callWaited<method::StartBluetooth>("Btsdk_StartBluetooth async error",
                                       "StartBluetoothCbk Error: %s\n", ins(), outs(&result));
    return result;
}

BTRESULT Btsdk_StopBluetooth(void) {
    guint result = BTSDK_ER_FAIL;
    callWaited<method::StopBluetooth>("Btsdk_StopBluetooth async error",
                                      "StartBluetoothCbk Error: %s\n", ins(), outs(&result));
    return result;
}

BTBOOL Btsdk_IsSDKInitialized(void) {
    guint value = 0;
    bool ok = callSync<method::IsSdkInitialized>("Btsdk_IsSDKInitialized Error: %s\n", ins(),
                                                 outs(&value));
    return askBoolean(ok, value);
}

BTBOOL Btsdk_IsBluetoothReady(void) {
    guint value = 0;
    bool ok = callSync<method::IsBluetoothReady>("Btsdk_IsBluetoothReady async error", ins(),
                                                 outs(&value));
    return askBoolean(ok, value);
}

BTRESULT Btsdk_WritePrivateProfileString(const char* section, const char* key, const char* value,
                                         const char* file) {
    if (!section || !key || !value || !file) return BTSDK_ER_INVALID_PARAMETER;
    return callForResult<method::WritePrivateProfileString>(
        "Btsdk_WritePrivateProfileString Error: %s\n", section, key, value, file);
}

BTRESULT Btsdk_WritePrivateProfileInt(const char* section, const char* key, BTUINT32 value,
                                      const char* file) {
    if (!section || !key || !file) return BTSDK_ER_INVALID_PARAMETER;
    return callForResult<method::WritePrivateProfileInt>("Btsdk_WritePrivateProfileInt Error: %s\n",
                                                         section, key, guint{value}, file);
}

BTRESULT Btsdk_RegisterTraceCallback(BtsdkTraceCallback callback) {
    if (!libraryStarted()) return BTSDK_ER_FAIL;
    if (!proxyFor(ProxyId::Init)) return BTSDK_ER_FAIL;
    if (callback) s_traceCallback = callback;
    subscribeOnce(ProxyId::Init, signal::LogTesterData, G_CALLBACK(onLogTesterData),
                  g_cclosure_user_marshal_VOID__UCHAR_INT_BOXED);
    gint result = static_cast<gint>(BTSDK_ER_FAIL);
    callSync<method::SetLogTesterDataSwitch>("Btsdk_RegisterTraceCallback Error: %s\n",
                                             ins(gint{1}), outs(&result));
    return static_cast<BTRESULT>(result);
}

BTRESULT Btsdk_UnRegisterTraceCallback(void) {
    gint result = static_cast<gint>(BTSDK_ER_FAIL);
    callSync<method::SetLogTesterDataSwitch>("Btsdk_UnRegisterTraceCallback Error: %s\n",
                                             ins(gint{0}), outs(&result));
    s_traceCallback = nullptr;
    return static_cast<BTRESULT>(result);
}

}  // extern "C"
