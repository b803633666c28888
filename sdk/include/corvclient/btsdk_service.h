/* Local servers (the profile services this machine offers) and the services found on
 * remote devices. Extension blocks that the library allocates for the caller are
 * released with Btsdk_FreeMemory. */
#ifndef CORVCLIENT_BTSDK_SERVICE_H
#define CORVCLIENT_BTSDK_SERVICE_H

#include "btsdk_types.h"

BTSDK_BEGIN_DECLS

#define BTSDK_SERVER_RUNNING 1
#define BTSDK_SERVER_STOPPED 2
#define BTSDK_SERVER_IN_USE 3

BTSDK_API BTSDKHANDLE Btsdk_StartEnumLocalServer(void);
/* The record's mask and class select what is asked for; with mask bit
 * BTSDK_LSA_MASK_EXT in the reply an extension block is allocated for the caller. */
BTSDK_API BTSVCHDL Btsdk_EnumLocalServer(BTSDKHANDLE enumeration, BtsdkLocalServerAttr* attr);
BTSDK_API BTRESULT Btsdk_EndEnumLocalServer(BTSDKHANDLE enumeration);
/* *count gives the array's capacity and receives the number of servers the service
 * reports; at most the capacity is copied. */
BTSDK_API BTRESULT Btsdk_GetLocalServers(BTSVCHDL* handles, BTUINT32* count);
BTSDK_API BTRESULT Btsdk_AddServer(BtsdkLocalServerAttr* attr);
/* Never changes the name; with the extension bit the caller supplies the block. */
BTSDK_API BTRESULT Btsdk_GetServerAttributes(BTSVCHDL server, BtsdkLocalServerAttr* attr);
BTSDK_API BTRESULT Btsdk_UpdateServerAttributes(BTSVCHDL server, const BtsdkLocalServerAttr* attr);
BTSDK_API BTRESULT Btsdk_GetServerStatus(BTSVCHDL server, BTUINT16* status);
BTSDK_API BTRESULT Btsdk_StartServer(BTSVCHDL server);
BTSDK_API BTRESULT Btsdk_StopServer(BTSVCHDL server);
/* A waited call. handles may be null; *count gives its capacity. On success *count is
 * the number of handles copied (with a null array: the number the service found). */
BTSDK_API BTRESULT Btsdk_BrowseRemoteServices(BTDEVHDL device, BTSVCHDL* handles, BTUINT32* count);
BTSDK_API BTSDKHANDLE Btsdk_StartEnumRemoteService(BTDEVHDL device);
BTSDK_API BTSVCHDL Btsdk_EnumRemoteService(BTSDKHANDLE enumeration, BtsdkRemoteServiceAttr* attr);
BTSDK_API BTRESULT Btsdk_EndEnumRemoteService(BTSDKHANDLE enumeration);
BTSDK_API BTUINT32 Btsdk_GetRemoteServiceExtAttrSize(BTSVCHDL service);
BTSDK_API BTRESULT Btsdk_GetRemoteServiceAttributes(BTSVCHDL service, BtsdkRemoteServiceAttr* attr);

BTSDK_END_DECLS

#endif
