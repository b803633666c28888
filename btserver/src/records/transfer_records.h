// The byte images that file transfer and object push send: browse entries and the
// records of files that remote devices put on this computer.
#pragma once

#include <cstdint>
#include <string>

#include "world/bluetooth_types.h"

namespace btserver {

constexpr size_t kBrowseEntryBytes = 324;
constexpr uint32_t kBrowseFolder = 0x1;  // attribute bit of a folder

// One entry of a listed folder: size (0 for a folder), name, modification time in seconds
// since 1970 (UTC) and whether it is a folder.
struct BrowseEntry {
    std::string name;
    uint64_t size = 0;
    int64_t modified = 0;
    bool folder = false;
};

// Size (32 bits, at most 0xFFFFFFFF) at 0; the name, NUL-terminated and cut at a character
// boundary to fit its 296 bytes, at 4; the time as "yyyyMMddThhmmssZ" at 300; the attribute
// bits at 320.
Bytes browseRecord(const BrowseEntry& entry);

constexpr size_t kReceivedFileBytes = 272;
constexpr uint32_t kReceivedByFileTransfer = 0x06A00300;
constexpr uint32_t kReceivedByObjectPush = 0x06A00203;

// A file a remote device put or pushed: its size at 0, the device's handle at 4, the status
// at 8 and the file's name within the receiving folder from 12, NUL-terminated within 260
// bytes.
Bytes receivedFileRecord(uint32_t status, uint64_t size, uint32_t device, const std::string& name);

}  // namespace btserver
