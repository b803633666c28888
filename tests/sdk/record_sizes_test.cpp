// Records and lists whose reply from the service differs in size from what the caller
// holds: a shorter reply leaves zeros where it ends, a longer one is cut at the record's
// end, and no copy reads or writes past either buffer. The callers' records live on the
// heap at their exact size so that the sanitizer sees any access past them.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "corvclient/btsdk.h"
#include "harness.h"
#include "sdk_test_util.h"

using corvtest::replyWith;

namespace {

// A byte-array literal: `size` bytes, the first ones given, the rest `fill`.
std::string image(std::vector<unsigned> head, size_t size, unsigned fill) {
    std::string text = "[byte ";
    for (size_t i = 0; i < size; ++i) {
        if (i) text += ", ";
        text += std::to_string(i < head.size() ? head[i] : fill);
    }
    return text + "]";
}

class RecordSizes : public corvtest::ServiceTest {};

TEST_F(RecordSizes, LocalServerRepliesAreZeroFilledOrCut) {
    auto attr = std::make_unique<BtsdkLocalServerAttr>();
    auto block = std::make_unique<uint8_t[]>(8);  // a serial server's block, exactly
    std::memset(block.get(), 0xEE, 8);
    attr->mask = BTSDK_LSA_MASK_EXT;
    attr->service_class = 0x1101;
    attr->ext_attributes = block.get();
    attr->security = 0x7777;

    // 40 bytes: mask, class and part of the name; the security word and the block are
    // not in the reply and read as zeros.
    service.setReply("btsdksvc", "get_server_attributes",
                     replyWith("(" + image({8, 0, 0x01, 0x11, 'S', 'P'}, 40, 0) + ", uint32 0)"));
    ASSERT_EQ(Btsdk_GetServerAttributes(15, attr.get()), BTSDK_OK);
    EXPECT_EQ(attr->service_class, 0x1101);
    EXPECT_EQ(attr->security, 0);
    EXPECT_EQ(std::vector<uint8_t>(block.get(), block.get() + 8), std::vector<uint8_t>(8, 0));

    // 600 bytes of 0x5A after the header: only the 8-byte block is filled.
    service.setReply("btsdksvc", "get_server_attributes",
                     replyWith("(" + image({8, 0, 0x01, 0x11}, 600, 0x5A) + ", uint32 0)"));
    ASSERT_EQ(Btsdk_GetServerAttributes(15, attr.get()), BTSDK_OK);
    EXPECT_EQ(std::vector<uint8_t>(block.get(), block.get() + 8), std::vector<uint8_t>(8, 0x5A));

    // An enumeration step with a short reply still allocates the class's whole block.
    service.setReply("btsdksvc", "enum_local_server",
                     replyWith("(" + image({8, 0, 0x05, 0x11}, 100, 0x33) + ", uint32 14)"));
    attr->ext_attributes = nullptr;
    ASSERT_EQ(Btsdk_EnumLocalServer(1, attr.get()), 14u);
    ASSERT_NE(attr->ext_attributes, nullptr);
    auto* allocated = static_cast<uint8_t*>(attr->ext_attributes);
    EXPECT_EQ(allocated[3], 0x33);    // reply bytes 96-99
    EXPECT_EQ(allocated[4], 0);       // past the reply
    EXPECT_EQ(allocated[783], 0);     // the 784th byte of an object-push block
    Btsdk_FreeMemory(attr->ext_attributes);
}

TEST_F(RecordSizes, RemoteServiceAndConnectionRepliesAreZeroFilledOrCut) {
    service.setReply("btsdksvc", "get_remote_service_ext_attr_size", replyWith("(uint32 12,)"));
    service.setReply("btsdksvc", "get_remote_service_attributes",
                     replyWith("(" + image({2, 0, 0x24, 0x11}, 100, 0x6B) + ", uint32 0)"));
    auto attr = std::make_unique<BtsdkRemoteServiceAttr>();
    attr->mask = BTSDK_RSA_MASK_EXT;
    ASSERT_EQ(Btsdk_GetRemoteServiceAttributes(18, attr.get()), BTSDK_OK);
    ASSERT_NE(attr->ext_attributes, nullptr);
    auto* ext = static_cast<uint8_t*>(attr->ext_attributes);
    EXPECT_EQ(ext[3], 0x6B);
    EXPECT_EQ(ext[4], 0);
    EXPECT_EQ(ext[11], 0);
    Btsdk_FreeMemory(attr->ext_attributes);

    auto property = std::make_unique<BtsdkConnectionProperty>();
    property->sent_bytes = 99;
    service.setReply("btsdkconn", "get_connection_property",
                     replyWith("(" + image({1, 0, 0, 0, 2}, 10, 0) + ", uint32 0)"));
    ASSERT_EQ(Btsdk_GetConnectionProperty(4, property.get()), BTSDK_OK);
    EXPECT_EQ(property->device, 2u);
    EXPECT_EQ(property->sent_bytes, 0u);
    service.setReply("btsdkconn", "get_connection_property",
                     replyWith("(" + image({1, 0, 0, 0, 2}, 200, 0x44) + ", uint32 0)"));
    ASSERT_EQ(Btsdk_GetConnectionProperty(4, property.get()), BTSDK_OK);
    EXPECT_EQ(property->sent_bytes, 0x44444444u);
}

TEST_F(RecordSizes, ShortcutHeaderAndBlockRepliesAreZeroFilled) {
    // A 100-byte reply whose header claims a 50-byte block (offset 278 is past its end,
    // so the claim itself reads as 0): nothing beyond the reply reaches the caller.
    service.setReply("btsdkshc", "get_shortcut_property",
                     replyWith("(" + image({1, 0, 0, 0}, 100, 0x41) + ", uint32 0)"));
    auto property = std::make_unique<BtsdkShortcutProperty>();
    auto block = std::make_unique<uint8_t[]>(50);
    std::memset(block.get(), 0xEE, 50);
    property->shortcut = 1;
    property->mask = BTSDK_SHC_MASK_ATTRIBUTES;
    property->attr_len = 50;
    property->attributes = block.get();
    ASSERT_EQ(Btsdk_GetShortCutProperty(property.get()), BTSDK_OK);
    EXPECT_EQ(property->name[0], 0x41);
    EXPECT_EQ(property->service_name[0], 0);  // offset 192: past the reply
    EXPECT_EQ(property->attr_len, 0);

    // A whole header claiming 50 bytes of block with only 10 of them in the reply.
    std::vector<unsigned> head(284, 0);
    head[0] = 1;
    head[26] = 0x40;
    head[278] = 50;
    service.setReply("btsdkshc", "get_shortcut_property",
                     replyWith("(" + image(head, 294, 0x42) + ", uint32 0)"));
    property->mask = BTSDK_SHC_MASK_ATTRIBUTES;
    property->attr_len = 50;
    property->attributes = block.get();
    ASSERT_EQ(Btsdk_GetShortCutProperty(property.get()), BTSDK_OK);
    EXPECT_EQ(block[9], 0x42);
    EXPECT_EQ(block[10], 0);
    EXPECT_EQ(block[49], 0);
    EXPECT_EQ(property->attr_len, 50);
}

TEST_F(RecordSizes, HandleListsNeverPassTheCapacityOrTheReply) {
    std::string six = image({1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0, 4, 0, 0, 0, 5, 0, 0, 0, 6}, 24, 0);
    auto handles = std::make_unique<BTUINT32[]>(2);

    service.setReply("btsdksvc", "get_local_servers", replyWith("(uint32 6, " + six + ", uint32 0)"));
    BTUINT32 count = 2;
    ASSERT_EQ(Btsdk_GetLocalServers(handles.get(), &count), BTSDK_OK);
    EXPECT_EQ(handles[1], 2u);

    service.setReply("btsdkshc", "get_shortcut_by_service_class",
                     replyWith("(uint32 6, " + six + ", uint32 0)"));
    ASSERT_EQ(Btsdk_GetShortCutByServiceClass(0x1106, handles.get(), 2), BTSDK_OK);
    EXPECT_EQ(handles[1], 2u);

    service.setReply("btsdkconn", "get_all_incoming_connections", replyWith("(" + six + ", uint32 6)"));
    EXPECT_EQ(Btsdk_GetAllIncomingConnections(handles.get(), 2), 2u);

    // A count larger than the handles the reply carries: only those are copied.
    handles[0] = handles[1] = 0xEEEEEEEE;
    service.setReply("btsdkshc", "get_shortcut_by_device_handle",
                     replyWith("(uint32 9, " + image({7}, 4, 0) + ", uint32 0)"));
    EXPECT_EQ(Btsdk_GetShortCutByDeviceHandle(1, 0, handles.get(), 2), 1u);
    EXPECT_EQ(handles[0], 7u);
    EXPECT_EQ(handles[1], 0xEEEEEEEEu);
}

TEST_F(RecordSizes, EnumeratedServersGetTheirClassesBlocks) {
    // The default world's servers: object push 784 bytes, serial port 8, PAN none.
    BTSDKHANDLE enumeration = Btsdk_StartEnumLocalServer();
    ASSERT_NE(enumeration, 0u);
    int marker = 0;
    std::vector<BTUINT16> classes;
    for (int guard = 0; guard < 10; ++guard) {
        auto attr = std::make_unique<BtsdkLocalServerAttr>();
        attr->mask = BTSDK_LSA_MASK_EXT;
        attr->ext_attributes = &marker;
        if (!Btsdk_EnumLocalServer(enumeration, attr.get())) break;
        classes.push_back(attr->service_class);
        size_t expected = attr->service_class == 0x1105   ? 784
                          : attr->service_class == 0x1106 ? 264
                          : attr->service_class == 0x1101 ? 8
                                                          : 0;
        if (expected == 0) {
            EXPECT_EQ(attr->ext_attributes, &marker) << std::hex << attr->service_class;
            continue;
        }
        ASSERT_NE(attr->ext_attributes, &marker);
        auto* bytes = static_cast<uint8_t*>(attr->ext_attributes);
        std::vector<uint8_t> stored(expected, 0);
        if (attr->service_class == 0x1101) stored[6] = 3;  // the serial server's COM port
        EXPECT_EQ(std::vector<uint8_t>(bytes, bytes + expected), stored);
        Btsdk_FreeMemory(attr->ext_attributes);
    }
    EXPECT_EQ(Btsdk_EndEnumLocalServer(enumeration), BTSDK_OK);
    EXPECT_EQ(classes, (std::vector<BTUINT16>{0x1106, 0x1105, 0x1101, 0x1116, 0x1112}));
}

}  // namespace
