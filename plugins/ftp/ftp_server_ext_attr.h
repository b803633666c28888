// The FTP server's extended attributes, the block that Btsdk_UpdateServerAttributes takes
// with attribute mask 8: 264 bytes, packed, as the service reads them.
#pragma once

#include <QtGlobal>

#pragma pack(push, 1)
struct FtpServerExtAttr {
    quint32 size = sizeof(FtpServerExtAttr);
    quint16 mask = 3;  // both fields below are valid
    quint16 access = 1;
    char folder[256] = {};  // UTF-8, NUL-terminated
};
#pragma pack(pop)

static_assert(sizeof(FtpServerExtAttr) == 264, "the service reads a 264-byte block");
