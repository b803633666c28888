/* Hands-free profile in both roles: the hands-free unit side (HFAP) towards a phone and
 * the audio-gateway side (AGAP) towards a headset or car kit, and the audio link. The
 * first argument of every HFAP and AGAP request is the hands-free connection's handle
 * (772 when it is 0). */
#ifndef CORVCLIENT_BTSDK_HFP_H
#define CORVCLIENT_BTSDK_HFP_H

#include "btsdk_types.h"

BTSDK_BEGIN_DECLS

/* Indication receiver: (connection, event, parameter bytes valid during the call, length). */
typedef void (*BtsdkHfpCallback)(BTCONNHDL connection, BTUINT16 event, BTUINT8* param,
                                 BTUINT16 length);

#define BTSDK_HFP_SCO_UP 0x0903
#define BTSDK_HFP_SCO_DOWN 0x0904
#define BTSDK_HFP_SCO_LOST 0x0936

#define HFP_CONN(function) BTSDK_API BTRESULT Btsdk_##function(BTUINT32 connection);
#define HFP_CONN_BYTE(function) BTSDK_API BTRESULT Btsdk_##function(BTUINT32 connection, BTUINT8 value);
#include "btsdk_hfp_simple.def"
#undef HFP_CONN
#undef HFP_CONN_BYTE

BTSDK_API BTRESULT Btsdk_RegisterHFPService(const char* name, BTUINT16 service_class, BTUINT16 features);
/* Copies at most *len identifier bytes (a longer identifier is cut in whole UTF-8
 * characters) and sets *len to the number copied. */
BTSDK_API BTRESULT Btsdk_HFAP_GetManufacturerID(BTCONNHDL connection, BTUINT8* id, BTUINT16* len);
BTSDK_API BTRESULT Btsdk_HFAP_GetModelID(BTCONNHDL connection, BTUINT8* id, BTUINT16* len);
BTSDK_API BTRESULT Btsdk_HFAP_Dial(BTCONNHDL connection, const BTUINT8* number, BTUINT16 len);
BTSDK_API BTRESULT Btsdk_HFAP_MemNumDial(BTCONNHDL connection, const BTUINT8* location, BTUINT16 len);
BTSDK_API BTRESULT Btsdk_HFAP_3WayCallingHandler(BTCONNHDL connection, BTUINT32 operation,
                                                 BTUINT8 index);
BTSDK_API BTRESULT Btsdk_AGAP_3WayCallingHandler(BTCONNHDL connection, BTUINT32 operation,
                                                 BTUINT8 index);
/* Events 1, 3 and 7 send the record's first 37 bytes and as many more as its byte at
 * offset 35 says; other events send 37 zero bytes. */
BTSDK_API BTRESULT Btsdk_AGAP_NetworkEvent(BTCONNHDL connection, BTUINT8 event, const BTUINT8* record);
BTSDK_API BTRESULT Btsdk_AGAP_VoiceTagPhoneNumRsp(BTCONNHDL connection, const BTUINT8* number,
                                                  BTUINT8 len);
/* The records travel from their start to the end of their variable tail: the operator
 * record's tail starts at offset 3 with the length at offset 2, the number record's at 36
 * (length at 35), the call record's at 7 (length at 6); at least 4, 37 and 4 bytes go. */
BTSDK_API BTRESULT Btsdk_AGAP_NetworkOperatorRsp(BTCONNHDL connection, const BTUINT8* record);
BTSDK_API BTRESULT Btsdk_AGAP_SubscriberNumberRsp(BTCONNHDL connection, const BTUINT8* record,
                                                  BTUINT8 value);
BTSDK_API BTRESULT Btsdk_AGAP_CurrentCallRsp(BTCONNHDL connection, const BTUINT8* record,
                                             BTUINT8 value);
BTSDK_API BTRESULT Btsdk_AGAP_ManufacturerIDRsp(BTCONNHDL connection, const BTUINT8* id, BTUINT16 len);
BTSDK_API BTRESULT Btsdk_AGAP_ModelIDRsp(BTCONNHDL connection, const BTUINT8* id, BTUINT16 len);
/* Sends the indicator record's first 7 bytes. */
BTSDK_API BTRESULT Btsdk_AGAP_SetCurIndicatorVal(BTCONNHDL connection, const BTUINT8* record);
BTSDK_API BTRESULT Btsdk_HFP_ExtendCmd(BTCONNHDL connection, const BTUINT8* command, BTUINT16 len,
                                       BTUINT32 value);
BTSDK_API BTRESULT Btsdk_SCO_Start(BTCONNHDL connection);
BTSDK_API BTRESULT Btsdk_SCO_Stop(void);

/* One subscription per indication for the process; unregistering clears the receiver. */
BTSDK_API BTRESULT Btsdk_HFAP_APPRegCbk(BtsdkHfpCallback callback);
BTSDK_API BTRESULT Btsdk_AGAP_APPRegCbk(BtsdkHfpCallback callback);
BTSDK_API void Btsdk_HFAP_APPUnRegCbk(void);
BTSDK_API void Btsdk_AGAP_APPUnRegCbk(void);
BTSDK_API BTUINT8 Btsdk_IsSCOExist(void);

BTSDK_END_DECLS

#endif
