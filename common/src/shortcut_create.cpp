// Creating the shortcut of a remote device's service, with the HID service's PnP header
// and extended attributes as its attribute block.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "corvclient/btsdk.h"
#include "cvcommon/shortcut_helpers.h"

namespace {

constexpr BTUINT16 kHidClass = 0x1124, kPnpClass = 0x1200;
constexpr size_t kHidHeader = 20;
constexpr BTUINT16 kMaskName = 1;

uint16_t word16(const BTUINT8* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
void putWord16(BTUINT8* p, uint16_t v) {
    p[0] = static_cast<BTUINT8>(v);
    p[1] = static_cast<BTUINT8>(v >> 8);
}

// The service's extension block (its size as the service reports it), or empty.
std::vector<BTUINT8> extensionBlock(BTSVCHDL service) {
    BTUINT32 size = Btsdk_GetRemoteServiceExtAttrSize(service);
    BtsdkRemoteServiceAttr attr{};
    attr.mask = BTSDK_RSA_MASK_EXT;
    std::vector<BTUINT8> block;
    if (Btsdk_GetRemoteServiceAttributes(service, &attr) == BTSDK_OK && attr.ext_attributes && size)
        block.assign(static_cast<BTUINT8*>(attr.ext_attributes),
                     static_cast<BTUINT8*>(attr.ext_attributes) + size);
    Btsdk_FreeMemory(attr.ext_attributes);
    return block;
}

// The device's first service of the class among those a search found, or 0.
BTSVCHDL firstServiceOf(BTDEVHDL device, BTUINT16 serviceClass) {
    BTSDKHANDLE enumeration = Btsdk_StartEnumRemoteService(device);
    if (!enumeration) return 0;
    BTSVCHDL found = 0;
    BtsdkRemoteServiceAttr attr{};
    while (!found) {
        attr = {};
        BTSVCHDL service = Btsdk_EnumRemoteService(enumeration, &attr);
        if (!service) break;
        if (attr.service_class == serviceClass) found = service;
    }
    Btsdk_EndEnumRemoteService(enumeration);
    return found;
}

// The HID block: a 20-byte header filled from the device's PnP information, then the
// service's extended attributes (their own 32-bit length first). Empty when the service
// has none.
std::vector<BTUINT8> hidBlock(BTDEVHDL device, BTSVCHDL service) {
    std::vector<BTUINT8> attributes = extensionBlock(service);
    if (attributes.size() < 4) return {};
    uint32_t length = attributes[0] | attributes[1] << 8 | attributes[2] << 16 |
                      static_cast<uint32_t>(attributes[3]) << 24;
    // The block says how long it is; never more than the service gave.
    std::vector<BTUINT8> block(kHidHeader + static_cast<uint16_t>(length), 0);
    std::copy_n(attributes.begin(), std::min(attributes.size(), block.size() - kHidHeader),
                block.begin() + kHidHeader);
    std::vector<BTUINT8> pnp = extensionBlock(firstServiceOf(device, kPnpClass));
    if (pnp.size() >= 18) {
        putWord16(&block[0], kHidHeader);
        if (pnp[14] != 0) putWord16(&block[2], 4);
        const size_t from[] = {6, 8, 10, 12, 16}, to[] = {8, 10, 12, 14, 16};
        for (size_t i = 0; i < 5; ++i) putWord16(&block[to[i]], word16(&pnp[from[i]]));
    }
    return block;
}

BTSHCHDL existingShortcut(BTDEVHDL device, BTSVCHDL service) {
    BTSHCHDL handle = 0;
    return Btsdk_GetShortCutByServiceHandle(device, service, &handle, 1) ? handle : 0;
}

}  // namespace

int CvCm_CreateShortCut(unsigned int device, unsigned int service, unsigned int* shortcutOut) {
    if (!device || !service) return BTSDK_ER_INVALID_PARAMETER;
    Btsdk_IsBluetoothReady();
    if (BTSHCHDL existing = existingShortcut(device, service)) {
        if (shortcutOut) *shortcutOut = existing;
        return BTSDK_OK;
    }
    BtsdkRemoteServiceAttr attr{};
    attr.mask = kMaskName;
    BTRESULT r = Btsdk_GetRemoteServiceAttributes(service, &attr);
    if (r != BTSDK_OK) return static_cast<int>(r);
    BTUINT8 address[6] = {};
    if ((r = Btsdk_GetRemoteDeviceAddress(device, address)) != BTSDK_OK) return static_cast<int>(r);

    BtsdkShortcutProperty property{};
    property.device = device;
    property.service = service;
    property.flag1 = property.flag2 = 1;
    property.service_class = attr.service_class;
    snprintf(property.service_name, sizeof property.service_name, "%s", attr.service_name);
    Btsdk_GetRemoteDeviceClass(device, &property.device_class);
    property.mask = 13;
    snprintf(property.name, sizeof property.name, "%02X:%02X:%02X:%02X:%02X:%02X %x %.70s",
             address[5], address[4], address[3], address[2], address[1], address[0],
             attr.service_class, attr.service_name);
    std::vector<BTUINT8> block;
    if (attr.service_class == kHidClass) block = hidBlock(device, service);
    if (!block.empty()) {
        property.mask |= BTSDK_SHC_MASK_ATTRIBUTES;
        property.attr_len = static_cast<BTUINT16>(block.size());
        property.attributes = block.data();
    }
    int result = static_cast<int>(Btsdk_CreateShortCutEx(&property));
    if (!shortcutOut) return result;
    if (result == BTSDK_OK) *shortcutOut = property.shortcut;
    if (*shortcutOut == 0) {
        // The record does not carry the new handle: find it by its service.
        BTSHCHDL found = existingShortcut(device, service);
        if (!found) {
            usleep(100);
            found = existingShortcut(device, service);
        }
        *shortcutOut = found;
    }
    return result;
}
