/* Value types, result codes and records of the Btsdk_ client interface.
 *
 * Records that the service returns are copied at the caller's record size: where the
 * reply is shorter the rest of the record reads as zeros, where it is longer the excess
 * is ignored. Extension and profile-attribute blocks are treated the same way at the
 * size of the caller's block (or of the block the library allocates). Handle lists copy
 * no more handles than the caller's capacity, the reply's count and the reply's bytes. */
#ifndef CORVCLIENT_BTSDK_TYPES_H
#define CORVCLIENT_BTSDK_TYPES_H

#include <stdint.h>

#ifdef __cplusplus
#define BTSDK_EXTERN_C extern "C"
#define BTSDK_BEGIN_DECLS extern "C" {
#define BTSDK_END_DECLS }
#else
#define BTSDK_EXTERN_C extern
#define BTSDK_BEGIN_DECLS
#define BTSDK_END_DECLS
#endif

#if defined(CORVCLIENT_BUILDING)
#define BTSDK_API __attribute__((visibility("default")))
#else
#define BTSDK_API
#endif

typedef uint8_t BTUINT8;
typedef uint16_t BTUINT16;
typedef uint32_t BTUINT32;
typedef int32_t BTINT32;
typedef uint8_t BTBOOL; /* 1 true, 0 false; every failure reads as false */

/* Handles: 0 means none. */
typedef BTUINT32 BTDEVHDL;    /* remote device */
typedef BTUINT32 BTSVCHDL;    /* local server or remote service record */
typedef BTUINT32 BTCONNHDL;   /* profile connection */
typedef BTUINT32 BTSHCHDL;    /* stored shortcut */
typedef BTUINT32 BTSDKHANDLE; /* enumeration */

typedef BTUINT32 BTRESULT;

/* Result codes the library produces itself; any other value is the service's own. */
#define BTSDK_OK 0u
#define BTSDK_ER_FAIL 0x0302u             /* 770: general failure, the usual preset */
#define BTSDK_ER_CLIENT_INIT 0x0303u      /* 771: Btsdk_ClientInit could not reach the bus */
#define BTSDK_ER_INVALID_PARAMETER 0x0304u /* 772: null required pointer or zero handle */
#define BTSDK_ER_NO_MEMORY 0x0306u         /* 774: a request buffer could not be allocated */

#define BTSDK_BDADDR_LEN 6
#define BTSDK_LINKKEY_LEN 16
#define BTSDK_LOCAL_NAME_BUF 256        /* names of at most 255 bytes plus NUL */
#define BTSDK_LMP_INFO_LEN 18
#define BTSDK_VENDOR_REPLY_LEN 259
#define BTSDK_SERVICE_NAME_LEN 80

/* Callback registration record of Btsdk_RegisterCallback and Btsdk_RegisterUsrDefCallback:
 * the event identifier selects the slot; a null callback empties it. The callback is
 * called with the event's 32-bit arguments as the event tables describe. */
typedef void (*BtsdkEventCallback)(void);
typedef struct BtsdkCallbackRecord {
    BTUINT16 event;
    BtsdkEventCallback callback;
} BtsdkCallbackRecord;

/* Local server attribute record. Its wire image is 96 bytes (plus the extension block
 * when mask bit BTSDK_LSA_MASK_EXT is set); the library packs it field by field, so
 * the native layout of this struct does not matter. */
#define BTSDK_LSA_MASK_SECURITY 0x0002u
#define BTSDK_LSA_MASK_EXT 0x0008u
typedef struct BtsdkLocalServerAttr {
    BTUINT16 mask;
    BTUINT16 service_class;
    char service_name[BTSDK_SERVICE_NAME_LEN];
    BTUINT16 security;     /* 7: remote devices need a passkey; any bit of 7 reads as secure */
    BTUINT16 server_param; /* defined by the service, copied through */
    void* ext_attributes;  /* extension block, size chosen by the service class */
    BTUINT32 server_value; /* defined by the service, copied through */
} BtsdkLocalServerAttr;

/* Remote service attribute record; wire image 96 bytes plus the extension block. */
#define BTSDK_RSA_MASK_EXT 0x0002u
typedef struct BtsdkRemoteServiceAttr {
    BTUINT16 mask;
    BTUINT16 service_class;
    BTUINT32 value; /* defined by the service, sent and returned */
    char service_name[BTSDK_SERVICE_NAME_LEN];
    void* ext_attributes; /* allocated by the library; release with Btsdk_FreeMemory */
    BTUINT16 status;      /* defined by the service */
} BtsdkRemoteServiceAttr;

#endif
