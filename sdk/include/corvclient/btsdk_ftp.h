/* File transfer and object push: the local servers, browsing a remote device's
 * folders, and transfers that block until they are over.
 *
 * Blocking transfers (Btsdk_FTPGetFile, ..., Btsdk_OPPPushObj, Btsdk_OPPPullObj) end with
 * the result of the service's completion signal. They never wait for ever: they end
 * with 770 when the service leaves the bus, or when neither progress nor completion has
 * been reported for 120 s (each progress report of the transfer starts that time again,
 * so a slow but progressing transfer is never cut short). The test seam
 * CORVCLIENT_CALL_TIMEOUT_MS, when set, replaces the 120 s.
 *
 * The service's status and completion signals name no connection, so the library tells
 * transfers apart by what they carry: a status report counts for a transfer when its file
 * name is one of the transfer's two paths, has the base name of one, or lies under one
 * (the files of a folder); the wait hears reports whether or not a status callback is
 * registered. It cannot tell apart two transfers of files of the same name, nor a
 * transfer from a device sending a file of that name. One completion signal ends every
 * transfer waiting in the process; a transfer that the service refused at once (its call
 * answered a non-zero result) does not take a completion of 0 as its own success but
 * returns the refusal. */
#ifndef CORVCLIENT_BTSDK_FTP_H
#define CORVCLIENT_BTSDK_FTP_H

#include <dbus/dbus-glib.h>

#include "btsdk_types.h"

BTSDK_BEGIN_DECLS

#define BTSDK_FTP_BROWSE_CBK 0
#define BTSDK_FTP_STATUS_CBK 1
#define BTSDK_FTP_RECEIVE_CBK 2

#define BTSDK_FTP_NAME_LEN 296
#define BTSDK_FTP_TIME_LEN 20
#define BTSDK_FTP_ATTR_FOLDER 0x1u
#define BTSDK_PATH_BUF 260

/* A browse entry, 324 bytes as the service sends it. */
typedef struct FTP_FindDataStru {
    BTUINT32 size;
    char name[BTSDK_FTP_NAME_LEN];   /* UTF-8 */
    char time[BTSDK_FTP_TIME_LEN];   /* "yyyyMMddThhmmssZ" */
    BTUINT32 attributes;
} FTP_FIND_DATA;

/* A file a peer put on this computer: status at offset 8, path from offset 12. */
typedef struct _BtSdkFileTransferReqStru {
    BTUINT32 first;
    BTUINT32 second;
    BTUINT32 status;
    char path[BTSDK_PATH_BUF];
} BtSdkFileTransferReqStru;

typedef void (*BtsdkFtpBrowseCallback)(FTP_FIND_DATA* entry);
typedef void (*BtsdkFtpStatusCallback)(BTUINT8 first, BTUINT8 last, const char* filename,
                                       BTUINT32 filesize, BTUINT32 cursize);
typedef BTUINT32 (*BtsdkFtpReceiveCallback)(BtSdkFileTransferReqStru* request);

BTSDK_API extern DBusGConnection* g_dbus_ftp_connection;
BTSDK_API int InitBtsdkFtpDbus(void);
BTSDK_API int UninitBtsdkFtpDbus(void);
BTSDK_API gpointer ProcessDbusFtpThread(gpointer unused);
/* Wakes a waiting transfer from outside; its argument is the transfer's wait record. */
BTSDK_API int FTPGetFileCbkThd(void* wait);

BTSDK_API BTRESULT Btsdk_RegisterFTPService(BTUINT16 access, const char* folder);
BTSDK_API BTRESULT Btsdk_UnregisterFTPService(void);
BTSDK_API BTRESULT Btsdk_RegisterFtpCallback(const BtsdkCallbackRecord* record);
/* dir must hold BTSDK_PATH_BUF bytes: the folder is cut to at most 259 bytes of whole
 * characters and NUL-terminated. */
BTSDK_API BTRESULT Btsdk_FTPGetRmtDir(BTCONNHDL connection, char* dir);
BTSDK_API BTRESULT Btsdk_FTPSetRmtDir(BTCONNHDL connection, const char* dir);
BTSDK_API BTRESULT Btsdk_FTPDeleteFile(BTCONNHDL connection, const char* name);
BTSDK_API BTRESULT Btsdk_FTPDeleteDir(BTCONNHDL connection, const char* name);
BTSDK_API BTRESULT Btsdk_FTPBackDir(BTCONNHDL connection);
BTSDK_API BTRESULT Btsdk_FTPCancelTransfer(BTCONNHDL connection);
BTSDK_API BTRESULT Btsdk_FTPCreateDir(BTCONNHDL connection, const char* name);
BTSDK_API BTRESULT Btsdk_FTPBrowseFolder(BTCONNHDL connection, const char* folder,
                                         BtsdkFtpBrowseCallback callback, BTUINT8 flag);
BTSDK_API void Btsdk_FTPRegisterStatusCallback(BTCONNHDL connection, BtsdkFtpStatusCallback callback);
BTSDK_API void Btsdk_FTPRegisterDealReceiveFileCB(BtsdkFtpReceiveCallback callback);
BTSDK_API BTRESULT Btsdk_FTPGetFile(BTCONNHDL connection, const char* remote, const char* local);
BTSDK_API BTRESULT Btsdk_FTPGetDir(BTCONNHDL connection, const char* remote, const char* local);
BTSDK_API BTRESULT Btsdk_FTPPutFile(BTCONNHDL connection, const char* local, const char* remote);
BTSDK_API BTRESULT Btsdk_FTPPutDir(BTCONNHDL connection, const char* local, const char* remote);

BTSDK_API BTUINT32 Btsdk_RegisterOPPService(const char* inbox, const char* outbox, const char* card);
BTSDK_API void Btsdk_UnregisterOPPService(void);
BTSDK_API void Btsdk_OPPRegisterStatusCallback(BTCONNHDL connection, BtsdkFtpStatusCallback callback);
BTSDK_API void Btsdk_OPPRegisterDealReceiveFileCB(BtsdkFtpReceiveCallback callback);
BTSDK_API BTRESULT Btsdk_OPPPushObj(BTCONNHDL connection, const char* path);
BTSDK_API BTRESULT Btsdk_OPPPullObj(BTCONNHDL connection, const char* path);
BTSDK_API void Btsdk_OPPExchangeObj(BTCONNHDL connection, const char* first, const char* second,
                                    BTUINT32* first_value, BTUINT32* second_value);
BTSDK_API void Btsdk_OPPCancelTransfer(BTCONNHDL connection);

BTSDK_END_DECLS

#endif
