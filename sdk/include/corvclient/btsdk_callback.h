/* Registration of the functions that receive the service's stack indications. */
#ifndef CORVCLIENT_BTSDK_CALLBACK_H
#define CORVCLIENT_BTSDK_CALLBACK_H

#include "btsdk_types.h"

BTSDK_BEGIN_DECLS

/* General event identifiers and how the registered function is called. */
#define BTSDK_PIN_CODE_IND 0             /* f(device) */
#define BTSDK_LINK_KEY_REQ_IND 1         /* f(device) */
#define BTSDK_LINK_KEY_NOTIF_IND 2       /* f(device, const BTUINT8* key) */
#define BTSDK_AUTHENTICATION_FAIL_IND 3  /* f(device) */
#define BTSDK_INQUIRY_RESULT_IND 4       /* f(device) */
#define BTSDK_INQUIRY_COMPLETE_IND 5     /* f() */
#define BTSDK_AUTHORIZATION_REQ_IND 6    /* f(first, second) */
#define BTSDK_CONNECTION_REQUEST_IND 7   /* f(first, second, byte) */
#define BTSDK_CONNECTION_COMPLETE_IND 8  /* f(value) */
#define BTSDK_CONNECTION_EVENT_IND 9     /* f(value, low 16 bits, const BTUINT8* data) */
#define BTSDK_VENDOR_EVENT_IND 11        /* f(low 8 bits, low 8 bits, const BTUINT8* data) */
#define BTSDK_IOCAP_REQ_IND 12           /* f(device) */
#define BTSDK_USR_CFM_REQ_IND 13         /* f(first, second) */
#define BTSDK_PASSKEY_NOTIF_IND 16       /* f(first, second) */
#define BTSDK_SIMPLE_PAIR_COMPLETE_IND 17 /* f(first, low 8 bits) */
#define BTSDK_GENERAL_EVENT_COUNT 18

/* User-defined event identifiers: each function is called as f(value, 0, 0). */
#define BTSDK_USRDEF_BT_STATUS 0
#define BTSDK_USRDEF_SCO_UP 3
#define BTSDK_USRDEF_SCO_DOWN 4
#define BTSDK_USRDEF_EVENT_COUNT 5

/* 772 for a null record; 770 for an identifier out of range, a null callback (which
 * still empties the slot) or no proxy; otherwise 0. Callbacks run on the thread that
 * dispatches the callback connection: see btsdk_frame.h. */
BTSDK_API BTRESULT Btsdk_RegisterCallback(const BtsdkCallbackRecord* record);
BTSDK_API BTRESULT Btsdk_RegisterUsrDefCallback(const BtsdkCallbackRecord* record);
BTSDK_API void ConnectDbusSignal(BTUINT16 event);
BTSDK_API void ConnectUsrdefDbusSignal(BTUINT16 event);

BTSDK_END_DECLS

#endif
