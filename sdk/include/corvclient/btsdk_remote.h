/* Remote devices: discovery, the service's device list, names, addresses, classes,
 * link quality and roles, pairing, the answers to pairing indications, and security. */
#ifndef CORVCLIENT_BTSDK_REMOTE_H
#define CORVCLIENT_BTSDK_REMOTE_H

#include "btsdk_types.h"

BTSDK_BEGIN_DECLS

#define BTSDK_REMOTE_DEVICE_PROP_LEN 116

BTSDK_API BTRESULT Btsdk_StartDeviceDiscovery(BTUINT32 device_class, BTUINT16 max_devices,
                                              BTUINT16 duration);
BTSDK_API BTRESULT Btsdk_StopDeviceDiscovery(void);
BTSDK_API BTUINT32 Btsdk_IsInquiryCancelled(void);
/* *len gives the buffer's size; on success it receives the number of name bytes copied.
 * A name as long as the buffer or longer fills it without a NUL, but a longer one is cut
 * back to whole UTF-8 characters, the bytes left over being zero; a shorter one is
 * NUL-terminated. On a service result other than 0, *len is set to 0. */
BTSDK_API BTRESULT Btsdk_GetRemoteDeviceName(BTDEVHDL device, BTUINT8* name, BTUINT16* len);
/* A waited call: asks the remote device for its name, with the copy rules above. */
BTSDK_API BTRESULT Btsdk_UpdateRemoteDeviceName(BTDEVHDL device, BTUINT8* name, BTUINT16* len);
BTSDK_API BTRESULT Btsdk_CancelUpdateRemoteDeviceName(BTDEVHDL device);
BTSDK_API BTRESULT Btsdk_GetRemoteDeviceAddress(BTDEVHDL device, BTUINT8* address);
BTSDK_API BTRESULT Btsdk_GetRemoteDeviceClass(BTDEVHDL device, BTUINT32* device_class);
BTSDK_API BTDEVHDL Btsdk_AddRemoteDevice(const BTUINT8* address);
BTSDK_API BTRESULT Btsdk_DeleteRemoteDeviceByHandle(BTDEVHDL device);
/* Copies at most max handles; returns how many were copied. */
BTSDK_API BTUINT32 Btsdk_GetStoredDevicesByClass(BTUINT32 device_class, BTDEVHDL* handles,
                                                 BTUINT32 max);
BTSDK_API BTSDKHANDLE Btsdk_StartEnumRemoteDevice(BTUINT32 first, BTUINT32 second);
BTSDK_API BTDEVHDL Btsdk_EnumRemoteDevice(BTSDKHANDLE enumeration, BTUINT8* property);
BTSDK_API BTRESULT Btsdk_EndEnumRemoteDevice(BTSDKHANDLE enumeration);
BTSDK_API BTRESULT Btsdk_IsDevicePaired(BTDEVHDL device, BTUINT8* paired);
BTSDK_API BTBOOL Btsdk_IsDeviceConnected(BTDEVHDL device);
/* A waited call: answer the pairing indications from another thread meanwhile. */
BTSDK_API BTRESULT Btsdk_PairDevice(BTDEVHDL device);
BTSDK_API BTRESULT Btsdk_UnPairDevice(BTDEVHDL device);
BTSDK_API BTRESULT Btsdk_PinCodeReply(BTDEVHDL device, const BTUINT8* pin, BTUINT16 len);
BTSDK_API BTRESULT Btsdk_PasskeyReqReply(BTDEVHDL device, BTUINT32 passkey);
BTSDK_API BTRESULT Btsdk_LinkKeyReply(BTDEVHDL device, const BTUINT8* key);
BTSDK_API BTRESULT Btsdk_UsrCfmReqReply(BTDEVHDL device, BTUINT8 accept);
BTSDK_API BTRESULT Btsdk_IOCapReqReply(BTDEVHDL device, BTUINT8 io_capability, BTUINT8 oob_data,
                                       BTUINT8 auth_requirements);
BTSDK_API BTRESULT Btsdk_RemoteDeviceFlowStatistic(BTDEVHDL device, BTUINT32* received,
                                                   BTUINT32* sent);
BTSDK_API BTRESULT Btsdk_GetRemoteRSSI(BTDEVHDL device, BTUINT8* rssi);
BTSDK_API BTRESULT Btsdk_ChangeConnectionPacketType(BTDEVHDL device, BTUINT16 packet_types);
BTSDK_API BTRESULT Btsdk_GetRemoteDeviceRole(BTDEVHDL device, BTUINT16* role);
BTSDK_API BTRESULT Btsdk_SwitchRole(BTDEVHDL device, BTUINT16 role);
BTSDK_API BTRESULT Btsdk_GetRemoteDeviceParam(BTDEVHDL device, BTUINT32* param);
BTSDK_API BTRESULT Btsdk_SetRemoteDeviceParam(BTDEVHDL device, BTUINT32 param);
/* Mode 0 takes no parameter bytes, 1 and 3 take 6, 2 takes 10; other modes return 770. */
BTSDK_API BTRESULT Btsdk_SetLinkMode(BTDEVHDL device, BTUINT8 mode, const BTUINT8* param);

BTSDK_API BTRESULT Btsdk_SetSecurityMode(BTUINT16 mode);
BTSDK_API BTRESULT Btsdk_AuthorizationResponse(BTUINT32 service, BTUINT32 device, BTUINT16 answer);
BTSDK_API BTRESULT Btsdk_SetTrustedDevice(BTUINT32 service, BTUINT32 device, BTUINT8 trusted);
BTSDK_API BTBOOL Btsdk_IsDeviceTrusted(BTUINT32 service, BTUINT32 device);

BTSDK_END_DECLS

#endif
