// Shortcut area: create, read, change, find, connect, disconnect and delete shortcuts.
#include <algorithm>
#include <cstring>
#include <vector>

#include "call.h"
#include "conn_param.h"
#include "corvclient/btsdk_shortcut.h"
#include "handle_list.h"
#include "records.h"

using namespace corv;

namespace {

// Copies every header field of a reply into the caller's record but the shortcut
// handle and the block pointer, which stay the caller's.
void copyHeaderBack(const std::vector<uint8_t>& image, BtsdkShortcutProperty& property) {
    BTSHCHDL handle = property.shortcut;
    void* block = property.attributes;
    unpackShortcutHeader(image.data(), image.size(), property);
    property.shortcut = handle;
    property.attributes = block;
}

// Sends the packed record and takes the record the service answers with.
template <const Method& M>
bool exchangeRecord(const char* failText, const BtsdkShortcutProperty& property, OutBytes& reply,
                    guint& result) {
    std::vector<uint8_t> image = packShortcut(property);
    const ByteArray request(image.data(), image.size());
    return callSync<M>(failText, ins(&request), outs(&reply, &result));
}

template <const Method& M>
BTRESULT shortcutsBy(const char* failText, guint key, BTSHCHDL* handles, BTUINT32 max) {
    guint count = 0, result = BTSDK_ER_FAIL;
    OutBytes bytes;
    if (callSync<M>(failText, ins(key, guint{max}), outs(&count, &bytes, &result))) {
        copyHandles(bytes, count, handles, max);
    }
    return result;
}

}  // namespace

extern "C" {

BTRESULT Btsdk_CreateShortCut(const char* name, BTUINT32 value, BTSHCHDL* shortcut) {
    if (!name || !shortcut) return BTSDK_ER_INVALID_PARAMETER;
    guint handle = 0, result = BTSDK_ER_FAIL;
    if (callSync<method::CreateShortcut>("Btsdk_CreateShortCut Error: %s\n",
                                         ins(name, guint{value}), outs(&handle, &result)) &&
        result == BTSDK_OK) {
        *shortcut = handle;
    }
    return result;
}

BTRESULT Btsdk_CreateShortCutEx(BtsdkShortcutProperty* property) {
    if (!property) return BTSDK_ER_INVALID_PARAMETER;
    OutBytes reply;
    guint result = BTSDK_ER_FAIL;
    if (!exchangeRecord<method::CreateShortcutEx>("Btsdk_CreateShortCutEx Error: %s\n", *property,
                                                  reply, result) ||
        result != BTSDK_OK) {
        return result;
    }
    size_t block = property->attributes ? shortcutBlockLength(*property) : 0;
    std::vector<uint8_t> header(wire::kShortcutHeader, 0);
    reply.copyTo(header.data(), header.size());
    if (block) reply.copyTo(property->attributes, block, wire::kShortcutHeader);
    copyHeaderBack(header, *property);
    return result;
}

BTRESULT Btsdk_GetShortCutProperty(BtsdkShortcutProperty* property) {
    if (!property) return BTSDK_ER_INVALID_PARAMETER;
    OutBytes reply;
    guint result = BTSDK_ER_FAIL;
    if (!exchangeRecord<method::GetShortcutProperty>("Btsdk_GetShortCutProperty Error: %s\n",
                                                     *property, reply, result) ||
        (result != BTSDK_OK && result != BTSDK_SHC_RESULT_PARTIAL)) {
        return result;
    }
    std::vector<uint8_t> header(wire::kShortcutHeader, 0);
    reply.copyTo(header.data(), header.size());
    size_t replyBlock = getU16(&header[wire::shc::kAttrLen]);
    size_t callerBlock = property->attributes ? shortcutBlockLength(*property) : 0;
    if (callerBlock && replyBlock) {
        // The caller's buffer takes its own length; what the stored block lacks reads as zero.
        std::vector<uint8_t> block(callerBlock, 0);
        reply.copyTo(block.data(), std::min(callerBlock, replyBlock), wire::kShortcutHeader);
        std::memcpy(property->attributes, block.data(), callerBlock);
    }
    copyHeaderBack(header, *property);
    return result;
}

BTRESULT Btsdk_SetShortCutProperty(const BtsdkShortcutProperty* property) {
    if (!property) return BTSDK_ER_INVALID_PARAMETER;
    std::vector<uint8_t> image = packShortcut(*property);
    const ByteArray request(image.data(), image.size());
    return callForResult<method::SetShortcutProperty>("Btsdk_SetShortCutProperty Error: %s\n",
                                                      &request);
}

BTRESULT Btsdk_DeleteShortCut(BTSHCHDL shortcut) {
    return callForResult<method::DeleteShortcut>("Btsdk_DeleteShortCut Error: %s\n",
                                                 guint{shortcut});
}

BTRESULT Btsdk_DisconnectShortCut(BTSHCHDL shortcut) {
    return callForResult<method::DisconnectShortcut>("Btsdk_DisconnectShortCut Error: %s\n",
                                                     guint{shortcut});
}

BTRESULT Btsdk_ConnectShortCut(BTSHCHDL shortcut) {
    if (libraryStarted()) proxyFor(ProxyId::Shc, ConnectionSlot::Request2);
    guint result = BTSDK_ER_FAIL;
    callWaited<method::ConnectShortcut>("Btsdk_ConnectShortCut async error",
                                        "ConnectShortCutCbk Error: %s\n", ins(guint{shortcut}),
                                        outs(&result));
    return result;
}

BTRESULT Btsdk_ConnectShortCutEx(BTSHCHDL shortcut, void* param, BTCONNHDL* connection) {
    if (!connection) return BTSDK_ER_INVALID_PARAMETER;
    BTUINT16 serviceClass = 0;
    if (param) {
        // The block's size follows the shortcut's own service class.
        BtsdkShortcutProperty property{};
        property.shortcut = shortcut;
        BTRESULT read = Btsdk_GetShortCutProperty(&property);
        if (read != BTSDK_OK && read != BTSDK_SHC_RESULT_PARTIAL) return read;
        serviceClass = property.service_class;
    }
    const ByteArray bytes = connectParamBytes(param, serviceClass);
    guint handle = 0, result = BTSDK_ER_FAIL;
    if (callWaited<method::ConnectShortcutEx>("Btsdk_ConnectShortCutEx async error",
                                              "ConnectShortCutExCbk Error: %s\n",
                                              ins(guint{shortcut}, &bytes), outs(&handle, &result)) &&
        result == BTSDK_OK) {
        *connection = handle;
    }
    return result;
}

BTUINT32 Btsdk_GetAllShortCuts(BTSHCHDL* handles, BTUINT32 max) {
    guint count = 0, result = BTSDK_ER_FAIL;
    OutBytes bytes;
    if (!callSync<method::GetAllShortcuts>("Btsdk_GetAllShortCuts Error: %s\n", ins(guint{max}),
                                           outs(&count, &bytes, &result))) {
        return 0;
    }
    if (!handles) return count;  // asks how many there are
    return copyHandles(bytes, count, handles, max);
}

BTSHCHDL Btsdk_GetDefaultShortCut(BTUINT32 key) {
    guint handle = 0;
    callSync<method::GetDefaultShortcut>("Btsdk_GetDefaultShortCut Error: %s\n", ins(guint{key}),
                                         outs(&handle));
    return handle;
}

BTSHCHDL Btsdk_GetShortCutByName(const char* name) {
    if (!name) return 0;
    guint handle = 0;
    callSync<method::GetShortcutByName>("Btsdk_GetShortCutByName Error: %s\n", ins(name),
                                        outs(&handle));
    return handle;
}

BTRESULT Btsdk_GetShortCutByConnectionHandle(BTCONNHDL connection, BTSHCHDL* handles,
                                             BTUINT32 max) {
    return shortcutsBy<method::GetShortcutByConnectionHandle>(
        "Btsdk_GetShortCutByConnectionHandle Error: %s\n", connection, handles, max);
}

BTRESULT Btsdk_GetShortCutByDeviceClass(BTUINT32 device_class, BTSHCHDL* handles, BTUINT32 max) {
    return shortcutsBy<method::GetShortcutByDeviceClass>(
        "Btsdk_GetShortCutByDeviceClass Error: %s\n", device_class, handles, max);
}

BTRESULT Btsdk_GetShortCutByServiceClass(BTUINT32 service_class, BTSHCHDL* handles, BTUINT32 max) {
    return shortcutsBy<method::GetShortcutByServiceClass>(
        "Btsdk_GetShortCutByServiceClass Error: %s\n", service_class, handles, max);
}

BTUINT32 Btsdk_GetShortCutByDeviceHandle(BTDEVHDL device, BTUINT16 service_class,
                                         BTSHCHDL* handles, BTUINT32 max) {
    guint count = 0, result = BTSDK_ER_FAIL;
    OutBytes bytes;
    if (!callSync<method::GetShortcutByDeviceHandle>("Btsdk_GetShortCutByDeviceHandle Error: %s\n",
                                                     ins(guint{device}, guint{service_class},
                                                         guint{max}),
                                                     outs(&count, &bytes, &result))) {
        return 0;
    }
    return copyHandles(bytes, count, handles, max);
}

BTUINT32 Btsdk_GetShortCutByServiceHandle(BTDEVHDL device, BTSVCHDL service, BTSHCHDL* handles,
                                          BTUINT32 max) {
    guint unused = 0, count = 0;
    OutBytes bytes;
    if (!callSync<method::GetShortcutByServiceHandle>(
            "Btsdk_GetShortCutByServiceHandle Error: %s\n",
            ins(guint{device}, guint{service}, guint{max}), outs(&unused, &bytes, &count))) {
        return 0;
    }
    return copyHandles(bytes, count, handles, max);
}

}  // extern "C"
