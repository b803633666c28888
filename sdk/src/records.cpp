#include "records.h"

#include <algorithm>
#include <cstring>

#include "text_cut.h"

namespace corv {

void putU16(uint8_t* at, uint16_t v) {
    at[0] = static_cast<uint8_t>(v);
    at[1] = static_cast<uint8_t>(v >> 8);
}

void putU32(uint8_t* at, uint32_t v) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(v >> (8 * i));
}

uint16_t getU16(const uint8_t* at) { return static_cast<uint16_t>(at[0] | (at[1] << 8)); }

uint32_t getU32(const uint8_t* at) {
    return static_cast<uint32_t>(at[0]) | (static_cast<uint32_t>(at[1]) << 8) |
           (static_cast<uint32_t>(at[2]) << 16) | (static_cast<uint32_t>(at[3]) << 24);
}

size_t localServerExtSize(uint16_t serviceClass) {
    switch (serviceClass) {
        case 0x1101:
        case 0x1103:
            return 8;
        case 0x1105:
            return 784;
        case 0x1106:
            return 264;
        default:
            return 0;
    }
}

namespace {

// Texts travel in fixed fields: cut at their NUL, always NUL-terminated within the field,
// a text too long for it cut in whole characters.
void putText(uint8_t* field, const char* text, size_t size) {
    std::memcpy(field, text, fittingLength(text, strnlen(text, size), size - 1));
}

void getText(const uint8_t* field, char* text, size_t size) {
    std::memcpy(text, field, size);
    terminateField(text, size);
}

// The image padded with zeros to at least `size` bytes.
std::vector<uint8_t> padded(const uint8_t* image, size_t have, size_t size) {
    std::vector<uint8_t> out(std::max(have, size), 0);
    if (have) std::memcpy(out.data(), image, have);
    return out;
}

}  // namespace

std::vector<uint8_t> packLocalServerAttr(const BtsdkLocalServerAttr& attr) {
    namespace f = wire::lsa;
    size_t ext = 0;
    if ((attr.mask & BTSDK_LSA_MASK_EXT) && attr.ext_attributes) {
        ext = localServerExtSize(attr.service_class);
    }
    std::vector<uint8_t> image(wire::kAttrRecord + ext, 0);
    putU16(&image[f::kMask], attr.mask);
    putU16(&image[f::kClass], attr.service_class);
    putText(&image[f::kName], attr.service_name, BTSDK_SERVICE_NAME_LEN);
    putU16(&image[f::kSecurity], attr.security);
    putU16(&image[f::kParam], attr.server_param);
    putU32(&image[f::kValue], attr.server_value);
    if (ext) std::memcpy(&image[wire::kAttrRecord], attr.ext_attributes, ext);
    return image;
}

void unpackLocalServerAttr(const uint8_t* image, size_t size, BtsdkLocalServerAttr& attr,
                           std::vector<uint8_t>& ext) {
    namespace f = wire::lsa;
    std::vector<uint8_t> rec = padded(image, size, wire::kAttrRecord);
    attr.mask = getU16(&rec[f::kMask]);
    attr.service_class = getU16(&rec[f::kClass]);
    getText(&rec[f::kName], attr.service_name, BTSDK_SERVICE_NAME_LEN);
    attr.security = getU16(&rec[f::kSecurity]);
    attr.server_param = getU16(&rec[f::kParam]);
    attr.server_value = getU32(&rec[f::kValue]);
    ext.clear();
    if (attr.mask & BTSDK_LSA_MASK_EXT) {
        size_t extSize = localServerExtSize(attr.service_class);
        rec = padded(image, size, wire::kAttrRecord + extSize);
        ext.assign(rec.begin() + wire::kAttrRecord, rec.begin() + wire::kAttrRecord + extSize);
    }
}

std::vector<uint8_t> packRemoteServiceAttr(const BtsdkRemoteServiceAttr& attr) {
    namespace f = wire::rsa;
    std::vector<uint8_t> image(wire::kAttrRecord, 0);
    putU16(&image[f::kMask], attr.mask);
    putU16(&image[f::kClass], attr.service_class);
    putU32(&image[f::kValue], attr.value);
    putText(&image[f::kName], attr.service_name, BTSDK_SERVICE_NAME_LEN);
    putU16(&image[f::kStatus], attr.status);
    return image;
}

void unpackRemoteServiceAttr(const uint8_t* image, size_t size, BtsdkRemoteServiceAttr& attr) {
    namespace f = wire::rsa;
    std::vector<uint8_t> rec = padded(image, size, wire::kAttrRecord);
    attr.mask = getU16(&rec[f::kMask]);
    attr.service_class = getU16(&rec[f::kClass]);
    attr.value = getU32(&rec[f::kValue]);
    getText(&rec[f::kName], attr.service_name, BTSDK_SERVICE_NAME_LEN);
    attr.status = getU16(&rec[f::kStatus]);
}

}  // namespace corv

namespace corv {

void unpackConnectionProperty(const uint8_t image[28], BtsdkConnectionProperty& property) {
    property.flags = getU32(image + 0);
    property.device = getU32(image + 4);
    property.service = getU32(image + 8);
    property.service_class = getU16(image + 12);
    property.padding = getU16(image + 14);
    property.duration_ms = getU32(image + 16);
    property.received_bytes = getU32(image + 20);
    property.sent_bytes = getU32(image + 24);
}

}  // namespace corv

namespace corv {

size_t shortcutBlockLength(const BtsdkShortcutProperty& property) {
    return (property.mask & BTSDK_SHC_MASK_ATTRIBUTES) ? property.attr_len : 0;
}

std::vector<uint8_t> packShortcut(const BtsdkShortcutProperty& p) {
    namespace f = wire::shc;
    size_t block = p.attributes ? shortcutBlockLength(p) : 0;
    std::vector<uint8_t> image(wire::kShortcutHeader + block, 0);
    putU32(&image[f::kHandle], p.shortcut);
    putU32(&image[f::kConnection], p.connection);
    putU32(&image[f::kDevice], p.device);
    putU32(&image[f::kService], p.service);
    image[f::kFlag1] = p.flag1;
    image[f::kFlag2] = p.flag2;
    putText(&image[f::kShortText], p.short_text, sizeof p.short_text);
    putU16(&image[f::kClass], p.service_class);
    putU16(&image[f::kMask], p.mask);
    putText(&image[f::kName], p.name, sizeof p.name);
    putText(&image[f::kSecondName], p.second_name, sizeof p.second_name);
    putText(&image[f::kServiceName], p.service_name, sizeof p.service_name);
    putU32(&image[f::kDeviceClass], p.device_class);
    image[f::kFlag3] = p.flag3;
    image[f::kFlag4] = p.flag4;
    putU16(&image[f::kAttrLen], p.attr_len);
    if (block) std::memcpy(&image[wire::kShortcutHeader], p.attributes, block);
    return image;
}

void unpackShortcutHeader(const uint8_t* image, size_t size, BtsdkShortcutProperty& p) {
    namespace f = wire::shc;
    std::vector<uint8_t> h = padded(image, size, wire::kShortcutHeader);
    p.shortcut = getU32(&h[f::kHandle]);
    p.connection = getU32(&h[f::kConnection]);
    p.device = getU32(&h[f::kDevice]);
    p.service = getU32(&h[f::kService]);
    p.flag1 = h[f::kFlag1];
    p.flag2 = h[f::kFlag2];
    getText(&h[f::kShortText], p.short_text, sizeof p.short_text);
    p.service_class = getU16(&h[f::kClass]);
    p.mask = getU16(&h[f::kMask]);
    getText(&h[f::kName], p.name, sizeof p.name);
    getText(&h[f::kSecondName], p.second_name, sizeof p.second_name);
    getText(&h[f::kServiceName], p.service_name, sizeof p.service_name);
    p.device_class = getU32(&h[f::kDeviceClass]);
    p.flag3 = h[f::kFlag3];
    p.flag4 = h[f::kFlag4];
    p.attr_len = getU16(&h[f::kAttrLen]);
}

}  // namespace corv
