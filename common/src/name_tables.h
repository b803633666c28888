// The library's constant tables: device-class and service-class display texts, and the
// skin's picture keys of profiles, device classes and icons.
#pragma once

#include <cstddef>
#include <cstdint>

namespace cvcommon {

struct DeviceClassName {
    uint32_t code;          // major class in bits 8-12, minor class in bits 2-7
    const char* major;      // the major-class word
    const char* name;       // the minor-class display name, context "cvcommon"
};
extern const DeviceClassName s_DIMap[55];

struct ServiceClassText {
    uint16_t serviceClass;
    const char* name;         // context "cvcommon", as the descriptions
    const char* localDesc;    // what the local server of the class offers; may be empty
    const char* remoteDesc;   // what connecting to a remote service of the class does
};
extern const ServiceClassText s_SIMap[37];

struct ProfileKey {
    uint16_t serviceClass;
    const char* key;
};
extern const ProfileKey m_proileKey[13];

struct DeviceClassKey {
    uint32_t code;  // the codes and order of s_DIMap
    const char* key;
};
extern const DeviceClassKey s_DEVCLSMAP[55];

struct IconKey {
    uint32_t number;
    const char* name;
};
extern const IconKey s_iconKeyMap[20];

// The row of the service class, or null.
const ServiceClassText* serviceClassText(uint16_t serviceClass);

}  // namespace cvcommon
