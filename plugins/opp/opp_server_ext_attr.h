// The object-push server's extended attributes, the block that Btsdk_UpdateServerAttributes
// takes with attribute mask 8: 784 bytes, packed, as the service reads them. The mask
// names the parts that changed.
#pragma once

#include <QtGlobal>

#include <cstddef>

#pragma pack(push, 1)
struct OppServerExtAttr {
    quint32 size = sizeof(OppServerExtAttr);
    quint16 mask = 0;
    quint16 vcardSupport = 0;
    quint8 reserved[6] = {};
    char inbox[256] = {};    // UTF-8, NUL-terminated
    char outbox[256] = {};   // UTF-8, NUL-terminated
    char cardName[256] = {}; // UTF-8, NUL-terminated
    quint8 padding[2] = {};

    static constexpr quint16 kVcard = 0x0001, kInbox = 0x0010, kCard = 0x0060;
};
#pragma pack(pop)

static_assert(sizeof(OppServerExtAttr) == 784, "the service reads a 784-byte block");
static_assert(offsetof(OppServerExtAttr, vcardSupport) == 6 && offsetof(OppServerExtAttr, inbox) == 14 &&
                  offsetof(OppServerExtAttr, outbox) == 270 && offsetof(OppServerExtAttr, cardName) == 526,
              "extended attribute offsets");
