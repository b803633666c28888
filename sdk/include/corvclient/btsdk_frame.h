/* Start and stop of the client library, its bus connections, threads and area proxies.
 *
 * Threads and main contexts: Btsdk_ClientInit opens a private system-bus connection of the
 * library's own. Unless the application declared that it iterates GLib's default main
 * context itself, the connection is attached to a context of the library's own, which the
 * drive-signal thread iterates: signals and replies are dispatched there, under the call
 * mutex, whatever loop the application runs, and the application's own sources (a Qt
 * event dispatcher's timers, posted events and sockets) are never dispatched on the
 * library's thread. An application that runs its own loop on the default context may
 * declare it before Btsdk_ClientInit, with CorvClientUseAppMainLoop(1) or the environment
 * variable CORVCLIENT_APP_MAIN_LOOP=1: then no drive-signal thread is started and the
 * connection is attached to the default context, so callbacks run on the loop's thread.
 *
 * A bus that goes away: calls return their preset quietly while the library's connection
 * is gone. Once the bus is back, Btsdk_ClientUninit and Btsdk_ClientInit start the library
 * on a new connection; the proxies of the areas that had callbacks registered are made
 * again with their subscriptions, so the callbacks keep arriving without registering
 * again. (While only the service restarts, proxies follow its name and nothing is needed.)
 *
 * Registrations: a callback registration returns once the bus holds the subscription, so
 * a signal that the service sends right afterwards reaches the callback.
 *
 * Test seam: CORVCLIENT_CALL_TIMEOUT_MS, when set to a positive number, replaces the
 * default call timeout of every proxy made afterwards (60000 ms, or the D-Bus default
 * for the initialisation area's request proxy). Only tests set it. */
#ifndef CORVCLIENT_BTSDK_FRAME_H
#define CORVCLIENT_BTSDK_FRAME_H

#include <dbus/dbus-glib.h>
#include <glib.h>

#include "btsdk_types.h"

BTSDK_BEGIN_DECLS

BTSDK_API BTRESULT Btsdk_ClientInit(void);   /* 0, or 771 when the bus cannot be reached */
BTSDK_API BTRESULT Btsdk_ClientUninit(void); /* always 0 */
BTSDK_API int CorvClientInit(void);          /* 1 success, 0 failure */
BTSDK_API int CorvClientUninit(void);        /* 1 */
BTSDK_API void CorvClientUseAppMainLoop(int yes);

BTSDK_API DBusGConnection* InitDbusConnection(void);
BTSDK_API void CleanupDbusConnection(void);

/* Private connections and their threads. */
BTSDK_API int InitBtsdkInitCbkDbus(void);
BTSDK_API int UninitBtsdkInitCbkDbus(void);
BTSDK_API int InitBtsdkCbkDbus(void);
BTSDK_API int UninitBtsdkCbkDbus(void);
BTSDK_API gpointer ProcessDbusRequestThread(gpointer unused);
BTSDK_API gpointer ProcessDbusRequestThread2(gpointer unused);
BTSDK_API gpointer ProcessDbusCbkThread(gpointer unused);

/* The drive-signal thread and its iteration. */
BTSDK_API gpointer drive_signal_thread(gpointer unused);
BTSDK_API void quit_drive_signal_thread(void);
BTSDK_API gboolean g_main_context_iterate_my(GMainContext* context, gboolean block,
                                             gboolean dispatch, GThread* self);

BTSDK_API void create_main_loop(void);
BTSDK_API void InitForDbusConnection(DBusGConnection* connection);
BTSDK_API char* GetCurrentTimeString(void);

/* Process-wide state. */
BTSDK_API extern DBusGConnection* g_dbus_connection;
BTSDK_API extern DBusGConnection* g_dbus_connection2;
BTSDK_API extern DBusGConnection* g_dbus_cbk_connection;
BTSDK_API extern GMutex* g_btsdk_call_mutex;
BTSDK_API extern GMainLoop* mainloop;
BTSDK_API extern DBusGProxy* g_btsdk_rmt_proxy2;

/* Area proxies: each constructor makes the area's proxy on the given connection and
 * stores it; each Uninit partner forgets the proxy without releasing it. */
#define BTSDK_AREA_PROXY(init, uninit)                                   \
    BTSDK_API DBusGProxy* init(DBusGConnection* connection); \
    BTSDK_API void uninit(void);
BTSDK_AREA_PROXY(InitBtsdkInitProxy, UninitBtsdkInitProxy)
BTSDK_AREA_PROXY(InitBtsdkInitSignalProxy, UninitBtsdkInitSignalProxy)
BTSDK_AREA_PROXY(InitBtsdkInitCbkProxy, UninitBtsdkInitCbkProxy)
BTSDK_AREA_PROXY(InitBtsdkLocalProxy, UninitBtsdklocalProxy)
BTSDK_AREA_PROXY(InitBtsdkRmtProxy, UninitBtsdkRmtProxy)
BTSDK_AREA_PROXY(InitBtsdkSecProxy, UninitBtsdkSecProxy)
BTSDK_AREA_PROXY(InitBtsdkSvcProxy, UninitBtsdkSvcProxy)
BTSDK_AREA_PROXY(InitBtsdkShcProxy, UninitBtsdkShcProxy)
BTSDK_AREA_PROXY(InitBtsdkConnProxy, UninitBtsdkConnProxy)
BTSDK_AREA_PROXY(InitBtsdkFtpProxy, UninitBtsdkFtpProxy)
BTSDK_AREA_PROXY(InitBtsdkOppProxy, UninitBtsdkOppProxy)
BTSDK_AREA_PROXY(InitBtsdkSppProxy, UninitBtsdkSppProxy)
BTSDK_AREA_PROXY(InitBtsdkDunProxy, UninitBtsdkDunProxy)
BTSDK_AREA_PROXY(InitBtsdkPanProxy, UninitBtsdkPanProxy)
BTSDK_AREA_PROXY(InitBtsdkHfpProxy, UninitBtsdkHfpProxy)
BTSDK_AREA_PROXY(InitBtsdkHfpCbkProxy, UninitBtsdkHfpCbkProxy)
BTSDK_AREA_PROXY(InitBtsdkAvProxy, UninitBtsdkAvProxy)
BTSDK_AREA_PROXY(InitBtsdkAvCbkProxy, UninitBtsdkAvCbkProxy)
BTSDK_AREA_PROXY(InitBtsdkHidProxy, UninitBtsdkHidProxy)
BTSDK_AREA_PROXY(InitBtsdkCbkProxy, UninitBtsdkCbkProxy)
#undef BTSDK_AREA_PROXY

/* Operations kept for callers of older service versions: they make no service call. */
BTSDK_API BTRESULT Btsdk_RegisterFlyModeCallback(void (*callback)(BTUINT8 on));
BTSDK_API BTRESULT Btsdk_UnRegisterFlyModeCallback(void);
BTSDK_API BTBOOL Btsdk_IsAppRunning(void);
BTSDK_API BTUINT32 Btsdk_GetServerPid(void);
BTSDK_API BTBOOL Btsdk_IsFlyMode(void);
BTSDK_API void Btsdk_SetRunningFlag(void);
BTSDK_API void Btsdk_UnsetRunningFlag(void);
BTSDK_API void Btsdk_UnInitServer(void);

BTSDK_END_DECLS

#endif
