// Wire images of the records that cross D-Bus. Each image keeps the exact size and
// offsets of the service's 32-bit records (4-byte pointer slots included) and is built
// and read field by field, never by copying a native struct.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "corvclient/btsdk_conn.h"
#include "corvclient/btsdk_shortcut.h"
#include "corvclient/btsdk_types.h"

namespace corv {

namespace wire {
constexpr size_t kAttrRecord = 96;  // local server and remote service attribute records

namespace lsa {  // local server attribute record
constexpr size_t kMask = 0, kClass = 2, kName = 4, kSecurity = 84, kParam = 86, kExtPtr = 88,
                 kValue = 92;
}
namespace rsa {  // remote service attribute record
constexpr size_t kMask = 0, kClass = 2, kValue = 4, kName = 8, kExtPtr = 88, kStatus = 92;
}
static_assert(lsa::kName + BTSDK_SERVICE_NAME_LEN == lsa::kSecurity);
static_assert(lsa::kValue + 4 == kAttrRecord);
static_assert(rsa::kName + BTSDK_SERVICE_NAME_LEN == rsa::kExtPtr);
static_assert(rsa::kStatus + 2 + 2 == kAttrRecord);
}  // namespace wire

// Little-endian field access on a byte image.
void putU16(uint8_t* at, uint16_t v);
void putU32(uint8_t* at, uint32_t v);
uint16_t getU16(const uint8_t* at);
uint32_t getU32(const uint8_t* at);

// Extension bytes of a local server by its service class: 8 serial port and dial-up,
// 784 object push, 264 file transfer, none for the others.
size_t localServerExtSize(uint16_t serviceClass);

// The 96-byte image, followed by the extension block when the mask asks for it and the
// record points at one. The pointer slot is zero on the wire.
std::vector<uint8_t> packLocalServerAttr(const BtsdkLocalServerAttr& attr);

// Reads a reply image into attr (name NUL-terminated within its 80 bytes); the extension
// block, when the mask says one follows, is returned in ext. A short image reads as
// zeros past its end.
void unpackLocalServerAttr(const uint8_t* image, size_t size, BtsdkLocalServerAttr& attr,
                           std::vector<uint8_t>& ext);

std::vector<uint8_t> packRemoteServiceAttr(const BtsdkRemoteServiceAttr& attr);
void unpackRemoteServiceAttr(const uint8_t* image, size_t size, BtsdkRemoteServiceAttr& attr);

}  // namespace corv

namespace corv {

// Connection property record (28 bytes).
void unpackConnectionProperty(const uint8_t image[28], BtsdkConnectionProperty& property);

}  // namespace corv

namespace corv {

namespace wire {
constexpr size_t kShortcutHeader = 284;
namespace shc {
constexpr size_t kHandle = 0, kConnection = 4, kDevice = 8, kService = 12, kFlag1 = 16,
                 kFlag2 = 17, kShortText = 18, kClass = 24, kMask = 26, kName = 28,
                 kSecondName = 128, kServiceName = 192, kDeviceClass = 272, kFlag3 = 276,
                 kFlag4 = 277, kAttrLen = 278, kAttrPtr = 280;
}
static_assert(shc::kShortText + 6 == shc::kClass);
static_assert(shc::kName + 100 == shc::kSecondName);
static_assert(shc::kSecondName + 64 == shc::kServiceName);
static_assert(shc::kServiceName + 80 == shc::kDeviceClass);
static_assert(shc::kAttrPtr + 4 == kShortcutHeader);
}  // namespace wire

// Length of the profile-attribute block a record carries: its length when the mask
// says a block is present, else 0.
size_t shortcutBlockLength(const BtsdkShortcutProperty& property);

// Header followed by the block (taken from property.attributes when it is set).
std::vector<uint8_t> packShortcut(const BtsdkShortcutProperty& property);

// Reads every header field of an image of at least 284 bytes (zero past a shorter one),
// leaving the record's block pointer alone.
void unpackShortcutHeader(const uint8_t* image, size_t size, BtsdkShortcutProperty& property);

}  // namespace corv
