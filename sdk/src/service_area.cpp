// Service area: local servers and the services of remote devices.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "call.h"
#include "corvclient/btsdk_service.h"
#include "handle_list.h"
#include "records.h"

using namespace corv;

namespace {

// A copy of bytes in memory the caller releases with Btsdk_FreeMemory.
void* callerBlock(const std::vector<uint8_t>& bytes) {
    void* block = std::malloc(bytes.size());
    if (block) std::memcpy(block, bytes.data(), bytes.size());
    return block;
}

// The request image of an enumeration or attribute read: zero but mask and class.
std::vector<uint8_t> selectionImage(BTUINT16 mask, BTUINT16 serviceClass, size_t ext) {
    std::vector<uint8_t> image(wire::kAttrRecord + ext, 0);
    putU16(&image[wire::lsa::kMask], mask);
    putU16(&image[wire::lsa::kClass], serviceClass);
    return image;
}

}  // namespace

extern "C" {

BTSDKHANDLE Btsdk_StartEnumLocalServer(void) {
    guint enumeration = 0;
    callSync<method::StartEnumLocalServer>("Btsdk_StartEnumLocalServer Error: %s\n", ins(),
                                           outs(&enumeration));
    return enumeration;
}

BTSVCHDL Btsdk_EnumLocalServer(BTSDKHANDLE enumeration, BtsdkLocalServerAttr* attr) {
    // A handle-returning step answers 0 to bad arguments, so enumeration loops end.
    if (!enumeration || !attr) return 0;
    std::vector<uint8_t> image = selectionImage(attr->mask, attr->service_class, 0);
    const ByteArray request(image.data(), image.size());
    OutBytes reply;
    guint server = 0;
    if (!callSync<method::EnumLocalServer>("Btsdk_EnumLocalServer Error: %s\n",
                                           ins(guint{enumeration}, &request),
                                           outs(&reply, &server))) {
        return 0;
    }
    if (reply.size()) {
        void* kept = attr->ext_attributes;
        std::vector<uint8_t> ext;
        unpackLocalServerAttr(reply.data(), reply.size(), *attr, ext);
        attr->ext_attributes = ext.empty() ? kept : callerBlock(ext);
    }
    return server;
}

BTRESULT Btsdk_EndEnumLocalServer(BTSDKHANDLE enumeration) {
    return callForResult<method::EndEnumLocalServer>("Btsdk_EndEnumLocalServer Error: %s\n",
                                                     guint{enumeration});
}

BTRESULT Btsdk_GetLocalServers(BTSVCHDL* handles, BTUINT32* count) {
    if (!handles || !count) return BTSDK_ER_INVALID_PARAMETER;
    BTUINT32 capacity = *count;
    OutBytes bytes;
    guint result = BTSDK_ER_FAIL;
    if (callSync<method::GetLocalServers>("Btsdk_GetLocalServers Error: %s\n",
                                          ins(guint{capacity}), outs(count, &bytes, &result))) {
        copyHandles(bytes, *count, handles, capacity);
    }
    return result;
}

BTRESULT Btsdk_AddServer(BtsdkLocalServerAttr* attr) {
    if (!attr) return BTSDK_ER_INVALID_PARAMETER;
    OutBytes reply;
    guint result = BTSDK_ER_FAIL;
    if (callSync<method::AddServer>("Btsdk_AddServer Error: %s\n", ins(), outs(&reply, &result))) {
        void* kept = attr->ext_attributes;
        std::vector<uint8_t> unused;
        unpackLocalServerAttr(reply.data(), reply.size(), *attr, unused);
        attr->ext_attributes = kept;
    }
    return result;
}

BTRESULT Btsdk_GetServerAttributes(BTSVCHDL server, BtsdkLocalServerAttr* attr) {
    if (!server || !attr) return BTSDK_ER_INVALID_PARAMETER;
    size_t extSize = (attr->mask & BTSDK_LSA_MASK_EXT) ? localServerExtSize(attr->service_class) : 0;
    std::vector<uint8_t> image = selectionImage(attr->mask, attr->service_class, extSize);
    const ByteArray request(image.data(), image.size());
    OutBytes reply;
    guint result = BTSDK_ER_FAIL;
    if (callSync<method::GetServerAttributes>("Btsdk_GetServerAttributes Error: %s\n",
                                              ins(guint{server}, &request), outs(&reply, &result)) &&
        result == BTSDK_OK && reply.value) {
        std::vector<uint8_t> back(wire::kAttrRecord + extSize, 0);
        reply.copyTo(back.data(), back.size());
        BtsdkLocalServerAttr got{};
        std::vector<uint8_t> unused;
        unpackLocalServerAttr(back.data(), wire::kAttrRecord, got, unused);
        attr->mask = got.mask;
        attr->service_class = got.service_class;
        attr->security = got.security;
        attr->server_param = got.server_param;
        attr->server_value = got.server_value;
        // The block is the caller's, sized by the class it asked with.
        if (extSize && attr->ext_attributes) {
            std::memcpy(attr->ext_attributes, back.data() + wire::kAttrRecord, extSize);
        }
    }
    return result;
}

BTRESULT Btsdk_UpdateServerAttributes(BTSVCHDL server, const BtsdkLocalServerAttr* attr) {
    if (!server || !attr) return BTSDK_ER_INVALID_PARAMETER;
    std::vector<uint8_t> image = packLocalServerAttr(*attr);
    const ByteArray request(image.data(), image.size());
    return callForResult<method::UpdateServerAttributes>("Btsdk_UpdateServerAttributes Error: %s\n",
                                                         guint{server}, &request);
}

BTRESULT Btsdk_GetServerStatus(BTSVCHDL server, BTUINT16* status) {
    if (!server || !status) return BTSDK_ER_INVALID_PARAMETER;
    guint value = 0, result = BTSDK_ER_FAIL;
    if (callSync<method::GetServerStatus>("Btsdk_GetServerStatus Error: %s\n", ins(guint{server}),
                                          outs(&value, &result))) {
        *status = static_cast<BTUINT16>(value & 0xFFFF);
    }
    return result;
}

BTRESULT Btsdk_StartServer(BTSVCHDL server) {
    if (!server) return BTSDK_ER_INVALID_PARAMETER;
    return callForResult<method::StartServer>("Btsdk_StartServer Error: %s\n", guint{server});
}

BTRESULT Btsdk_StopServer(BTSVCHDL server) {
    if (!server) return BTSDK_ER_INVALID_PARAMETER;
    return callForResult<method::StopServer>("Btsdk_StopServer Error: %s\n", guint{server});
}

BTRESULT Btsdk_BrowseRemoteServices(BTDEVHDL device, BTSVCHDL* handles, BTUINT32* count) {
    if (!device || !count) return BTSDK_ER_INVALID_PARAMETER;
    // Browsing makes the area proxy on the second request connection when it is its
    // first use.
    if (libraryStarted()) proxyFor(ProxyId::Svc, ConnectionSlot::Request2);
    BTUINT32 capacity = handles ? *count : 0;
    OutBytes bytes;
    guint found = 0, result = BTSDK_ER_FAIL;
    callWaited<method::BrowseRemoteService>("Btsdk_BrowseRemoteServices async error",
                                            "BrowseRemoteServicesCbk Error: %s\n",
                                            ins(guint{device}, guint{*count}),
                                            outs(&bytes, &found, &result));
    if (result == BTSDK_OK) {
        *count = handles ? copyHandles(bytes, found, handles, capacity) : found;
    }
    return result;
}

BTSDKHANDLE Btsdk_StartEnumRemoteService(BTDEVHDL device) {
    guint enumeration = 0;
    callSync<method::StartEnumRemoteService>("Btsdk_StartEnumRemoteService Error: %s\n",
                                             ins(guint{device}), outs(&enumeration));
    return enumeration;
}

BTSVCHDL Btsdk_EnumRemoteService(BTSDKHANDLE enumeration, BtsdkRemoteServiceAttr* attr) {
    if (!enumeration || !attr) return 0;
    OutBytes reply;
    guint service = 0;
    if (!callSync<method::EnumRemoteService>("Btsdk_EnumRemoteService Error: %s\n",
                                             ins(guint{enumeration}), outs(&reply, &service))) {
        return 0;
    }
    void* kept = attr->ext_attributes;
    unpackRemoteServiceAttr(reply.data(), reply.size(), *attr);
    attr->ext_attributes = kept;
    return service;
}

BTRESULT Btsdk_EndEnumRemoteService(BTSDKHANDLE enumeration) {
    return callForResult<method::EndEnumRemoteService>("Btsdk_EndEnumRemoteService Error: %s\n",
                                                       guint{enumeration});
}

BTUINT32 Btsdk_GetRemoteServiceExtAttrSize(BTSVCHDL service) {
    guint size = 0;
    callSync<method::GetRemoteServiceExtAttrSize>("Btsdk_GetRemoteServiceExtAttrSize Error: %s\n",
                                                  ins(guint{service}), outs(&size));
    return size;
}

BTRESULT Btsdk_GetRemoteServiceAttributes(BTSVCHDL service, BtsdkRemoteServiceAttr* attr) {
    if (!service || !attr) return BTSDK_ER_INVALID_PARAMETER;
    size_t extSize = (attr->mask & BTSDK_RSA_MASK_EXT) ? Btsdk_GetRemoteServiceExtAttrSize(service) : 0;
    std::vector<uint8_t> image = packRemoteServiceAttr(*attr);
    image.resize(wire::kAttrRecord + extSize, 0);
    // Only the selection goes out: the mask, the class and the value.
    std::memset(&image[wire::rsa::kName], 0, wire::kAttrRecord - wire::rsa::kName);
    const ByteArray request(image.data(), image.size());
    OutBytes reply;
    guint result = BTSDK_ER_FAIL;
    if (callSync<method::GetRemoteServiceAttributes>("Btsdk_GetRemoteServiceAttributes Error: %s\n",
                                                     ins(guint{service}, &request),
                                                     outs(&reply, &result)) &&
        result == BTSDK_OK) {
        std::vector<uint8_t> back(wire::kAttrRecord + extSize, 0);
        reply.copyTo(back.data(), back.size());
        if (extSize) {
            attr->ext_attributes =
                callerBlock(std::vector<uint8_t>(back.begin() + wire::kAttrRecord, back.end()));
        }
        void* kept = attr->ext_attributes;
        unpackRemoteServiceAttr(back.data(), wire::kAttrRecord, *attr);
        attr->ext_attributes = kept;
    }
    return result;
}

}  // extern "C"
