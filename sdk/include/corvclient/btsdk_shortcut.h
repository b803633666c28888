/* Shortcuts: stored bookmarks of one remote device's service, and the clean-up that
 * runs when the adapter is removed. */
#ifndef CORVCLIENT_BTSDK_SHORTCUT_H
#define CORVCLIENT_BTSDK_SHORTCUT_H

#include "btsdk_types.h"

BTSDK_BEGIN_DECLS

#define BTSDK_SHC_MASK_ATTRIBUTES 0x40u /* a profile-attribute block follows */
#define BTSDK_SHC_RESULT_PARTIAL 775u    /* read like success by Btsdk_GetShortCutProperty */

/* Shortcut property record. Its wire image is a 284-byte header followed by the
 * profile-attribute block; texts travel NUL-terminated, cut to their fields. */
typedef struct BtsdkShortcutProperty {
    BTSHCHDL shortcut;
    BTCONNHDL connection; /* while connected, else 0 */
    BTDEVHDL device;
    BTSVCHDL service;
    BTUINT8 flag1;
    BTUINT8 flag2;
    char short_text[6];
    BTUINT16 service_class;
    BTUINT16 mask;
    char name[100];
    char second_name[64];
    char service_name[80];
    BTUINT32 device_class;
    BTUINT8 flag3;
    BTUINT8 flag4;
    BTUINT16 attr_len;  /* bytes of the profile-attribute block */
    void* attributes;   /* the caller's profile-attribute buffer */
} BtsdkShortcutProperty;

BTSDK_API BTRESULT Btsdk_CreateShortCut(const char* name, BTUINT32 value, BTSHCHDL* shortcut);
BTSDK_API BTRESULT Btsdk_CreateShortCutEx(BtsdkShortcutProperty* property);
/* property->shortcut selects the shortcut; attr_len tells how large a block the caller's
 * buffer takes. On return attr_len is the length the stored block has. */
BTSDK_API BTRESULT Btsdk_GetShortCutProperty(BtsdkShortcutProperty* property);
BTSDK_API BTRESULT Btsdk_SetShortCutProperty(const BtsdkShortcutProperty* property);
BTSDK_API BTRESULT Btsdk_DeleteShortCut(BTSHCHDL shortcut);
BTSDK_API BTRESULT Btsdk_DisconnectShortCut(BTSHCHDL shortcut);
BTSDK_API BTRESULT Btsdk_ConnectShortCut(BTSHCHDL shortcut);
BTSDK_API BTRESULT Btsdk_ConnectShortCutEx(BTSHCHDL shortcut, void* param, BTCONNHDL* connection);
/* The lookups copy at most max handles. */
BTSDK_API BTUINT32 Btsdk_GetAllShortCuts(BTSHCHDL* handles, BTUINT32 max);
BTSDK_API BTSHCHDL Btsdk_GetDefaultShortCut(BTUINT32 key);
BTSDK_API BTSHCHDL Btsdk_GetShortCutByName(const char* name);
BTSDK_API BTRESULT Btsdk_GetShortCutByConnectionHandle(BTCONNHDL connection, BTSHCHDL* handles,
                                                       BTUINT32 max);
BTSDK_API BTRESULT Btsdk_GetShortCutByDeviceClass(BTUINT32 device_class, BTSHCHDL* handles,
                                                  BTUINT32 max);
BTSDK_API BTRESULT Btsdk_GetShortCutByServiceClass(BTUINT32 service_class, BTSHCHDL* handles,
                                                   BTUINT32 max);
BTSDK_API BTUINT32 Btsdk_GetShortCutByDeviceHandle(BTDEVHDL device, BTUINT16 service_class,
                                                   BTSHCHDL* handles, BTUINT32 max);
BTSDK_API BTUINT32 Btsdk_GetShortCutByServiceHandle(BTDEVHDL device, BTSVCHDL service,
                                                    BTSHCHDL* handles, BTUINT32 max);

/* Adapter removal: with flag 0 deletes every known device's shortcuts and the unpaired
 * devices, then tells the service when Bluetooth is ready. Always 0. */
BTSDK_API BTRESULT Btsdk_HardwareControl(BTUINT32 flag);

BTSDK_END_DECLS

#endif
