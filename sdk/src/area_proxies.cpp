// The exported constructor and forgetting partner of every area proxy.
#include "frame_state.h"
#include "proxy_table.h"

#define CORV_PROXY_PAIR(init, uninit, id)                                                  \
    DBusGProxy* init(DBusGConnection* connection) {                                        \
        return corv::createProxy(corv::ProxyId::id, connection);                           \
    }                                                                                      \
    void uninit(void) { corv::proxySlot(corv::ProxyId::id) = nullptr; }

extern "C" {

CORV_PROXY_PAIR(InitBtsdkInitProxy, UninitBtsdkInitProxy, Init)
CORV_PROXY_PAIR(InitBtsdkInitSignalProxy, UninitBtsdkInitSignalProxy, InitSignal)
CORV_PROXY_PAIR(InitBtsdkInitCbkProxy, UninitBtsdkInitCbkProxy, InitCbk)
CORV_PROXY_PAIR(InitBtsdkLocalProxy, UninitBtsdklocalProxy, Local)
CORV_PROXY_PAIR(InitBtsdkSecProxy, UninitBtsdkSecProxy, Sec)
CORV_PROXY_PAIR(InitBtsdkSvcProxy, UninitBtsdkSvcProxy, Svc)
CORV_PROXY_PAIR(InitBtsdkShcProxy, UninitBtsdkShcProxy, Shc)
CORV_PROXY_PAIR(InitBtsdkConnProxy, UninitBtsdkConnProxy, Conn)
CORV_PROXY_PAIR(InitBtsdkFtpProxy, UninitBtsdkFtpProxy, Ftp)
CORV_PROXY_PAIR(InitBtsdkOppProxy, UninitBtsdkOppProxy, Opp)
CORV_PROXY_PAIR(InitBtsdkSppProxy, UninitBtsdkSppProxy, Spp)
CORV_PROXY_PAIR(InitBtsdkDunProxy, UninitBtsdkDunProxy, Dun)
CORV_PROXY_PAIR(InitBtsdkPanProxy, UninitBtsdkPanProxy, Pan)
CORV_PROXY_PAIR(InitBtsdkHfpProxy, UninitBtsdkHfpProxy, Hfp)
CORV_PROXY_PAIR(InitBtsdkHfpCbkProxy, UninitBtsdkHfpCbkProxy, HfpCbk)
CORV_PROXY_PAIR(InitBtsdkAvProxy, UninitBtsdkAvProxy, Av)
CORV_PROXY_PAIR(InitBtsdkAvCbkProxy, UninitBtsdkAvCbkProxy, AvCbk)
CORV_PROXY_PAIR(InitBtsdkHidProxy, UninitBtsdkHidProxy, Hid)
CORV_PROXY_PAIR(InitBtsdkCbkProxy, UninitBtsdkCbkProxy, Cbk)

// The remote-device area has a second proxy on the second request connection for its
// waited operation; forgetting the area forgets both.
DBusGProxy* InitBtsdkRmtProxy(DBusGConnection* connection) {
    return corv::createProxy(corv::ProxyId::Rmt, connection);
}
void UninitBtsdkRmtProxy(void) {
    corv::proxySlot(corv::ProxyId::Rmt) = nullptr;
    corv::proxySlot(corv::ProxyId::Rmt2) = nullptr;
}

}  // extern "C"
