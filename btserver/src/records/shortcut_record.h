// The property record of a shortcut as it travels: a 284-byte header (handle, connection,
// device, service, flag bytes, short text, service class, mask, the three names, device
// class, block length) followed by the profile-attribute block.
#pragma once

#include <cstddef>
#include <cstdint>

#include "world/world.h"

namespace btserver {

constexpr size_t kShortcutHeaderBytes = 284;
constexpr uint16_t kShortcutMaskBlock = 0x0040;  // a profile-attribute block follows
constexpr size_t kShortcutMaxNameBytes = 99;     // the name field holds 100 bytes

// The shortcut's header, its block length being that of its block, and the block.
Bytes shortcutRecord(const Shortcut& shortcut);

// Reads every header field of an image, texts cut at their NUL (the block stays as it
// was); false, reading nothing, when the image is shorter than a header.
bool readShortcutHeader(const Bytes& image, Shortcut& out);

// How large a block the sender of the image takes: the block length field when the mask
// has kShortcutMaskBlock, else 0.
uint16_t blockCapacity(const Bytes& image);

// The block that the image carries: the mask has kShortcutMaskBlock, the block length is
// not 0 and that many bytes follow the header. False, leaving `out` alone, otherwise.
bool carriedBlock(const Bytes& image, Bytes& out);

}  // namespace btserver
