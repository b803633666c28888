// The one-proxy-per-area scheme: which interface each proxy talks to, on which
// connection it is made, and what is logged when it cannot be made.
#pragma once

#include <dbus/dbus-glib.h>

namespace corv {

enum class ProxyId {
    Init,        // initialisation area, requests
    InitSignal,  // initialisation area, the "bt_status" signal
    InitCbk,     // initialisation area, kept for applications
    Local,
    Rmt,
    Rmt2,  // remote-device area on the second request connection
    Sec,
    Svc,
    Shc,
    Conn,
    Ftp,
    Opp,
    Spp,
    Dun,
    Pan,
    Hfp,
    HfpCbk,
    Av,
    AvCbk,
    Hid,
    Cbk,  // general callbacks
    Count
};

// Which process-wide connection variable a proxy is made on when first used.
enum class ConnectionSlot { Request, Request2, Callback };

struct ProxyInfo {
    const char* interface;
    const char* path;
    const char* failMessage;
    ConnectionSlot connection;
    bool setsTimeout;  // false: keeps the D-Bus default timeout
    bool takesMutex;   // proxy creation under the call mutex
};

const ProxyInfo& proxyInfo(ProxyId id);

// The area's proxy variable.
DBusGProxy*& proxySlot(ProxyId id);

// Makes the area's proxy on the given connection and stores it (null when it cannot).
DBusGProxy* createProxy(ProxyId id, DBusGConnection* connection);

// The connection the area's proxy was made on (null while there is none).
DBusGConnection* proxyConnection(ProxyId id);

// The area's proxy, made on its connection on first use; null when it cannot be made.
DBusGProxy* proxyFor(ProxyId id);

// The same, made on the given connection when this is the proxy's first use.
DBusGProxy* proxyFor(ProxyId id, ConnectionSlot firstUse);

}  // namespace corv
