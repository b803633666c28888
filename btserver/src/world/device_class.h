// Class-of-device filters of inquiries, stored-device lists and enumerations.
#pragma once

#include <cstdint>

namespace btserver {

// A filter of 0 matches every device. Otherwise each part of the filter that is not zero
// must match: every service class bit (bits 13-23) set in the filter is set in the
// device's class, and the major (bits 8-12) and minor (bits 2-7) device classes are equal.
inline bool classMatches(uint32_t filter, uint32_t deviceClass) {
    constexpr uint32_t kServices = 0xFFE000, kMajor = 0x1F00, kMinor = 0xFC;
    if ((deviceClass & filter & kServices) != (filter & kServices))
        return false;
    for (uint32_t part : {kMajor, kMinor})
        if ((filter & part) != 0 && (filter & part) != (deviceClass & part))
            return false;
    return true;
}

}  // namespace btserver
