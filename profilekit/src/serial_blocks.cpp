#include "profilekit/serial_blocks.h"

#include "corvclient/btsdk.h"
#include "cvcommon/shortcut_helpers.h"

unsigned int WriteShortcutComPort(unsigned int shortcut, uint16_t port) {
    BtsdkShortcutProperty property{};
    property.shortcut = shortcut;
    if (!CvCm_ReadShortcutProperty(&property)) return BTSDK_ER_FAIL;
    SerialShortcutAttr block(port);
    property.mask |= BTSDK_SHC_MASK_ATTRIBUTES;
    property.attr_len = sizeof block;
    property.attributes = &block;
    return Btsdk_SetShortCutProperty(&property);
}
