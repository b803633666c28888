// Local servers and remote services: extension blocks allocated for the caller or
// filled in the caller's block, exact request images, and the browse copy rules.
#include <gtest/gtest.h>

#include <cstring>

#include "corvclient/btsdk.h"
#include "harness.h"
#include "sdk_test_util.h"

using corvtest::bytesText;
using corvtest::replyWith;

namespace {

// A 96-byte local server record image (mask, class, name "Srv") followed by ext bytes.
std::string serverImage(unsigned mask, unsigned serviceClass, size_t ext) {
    std::string text = "[byte " + std::to_string(mask) + ", 0, " + std::to_string(serviceClass & 0xFF) +
                       ", " + std::to_string(serviceClass >> 8) + ", 83, 114, 118";
    for (size_t i = 7; i < 96 + ext; ++i) text += ", " + std::to_string(i >= 96 ? 0x5A : 0);
    return text + "]";
}

class Services : public corvtest::ServiceTest {
protected:
    // The handle of the scenario's local server of the class, or 0.
    static BTSVCHDL serverOfClass(BTUINT16 serviceClass) {
        BTSVCHDL handles[16] = {};
        BTUINT32 count = 16;
        if (Btsdk_GetLocalServers(handles, &count) != BTSDK_OK) return 0;
        for (BTUINT32 i = 0; i < count; ++i) {
            BtsdkLocalServerAttr attr{};
            if (Btsdk_GetServerAttributes(handles[i], &attr) == BTSDK_OK && attr.service_class == serviceClass)
                return handles[i];
        }
        return 0;
    }
};

TEST_F(Services, EnumLocalServerAllocatesTheClassesExtensionBlock) {
    service.setReply("btsdksvc", "enum_local_server",
                     replyWith("(" + serverImage(8, 0x1105, 784) + ", uint32 7)"));
    BtsdkLocalServerAttr attr{};
    attr.mask = BTSDK_LSA_MASK_EXT;
    ASSERT_EQ(Btsdk_EnumLocalServer(1, &attr), 7u);
    EXPECT_EQ(attr.service_class, 0x1105);
    EXPECT_STREQ(attr.service_name, "Srv");
    ASSERT_NE(attr.ext_attributes, nullptr);
    EXPECT_EQ(static_cast<uint8_t*>(attr.ext_attributes)[783], 0x5A);  // 784 bytes, all readable
    Btsdk_FreeMemory(attr.ext_attributes);

    service.setReply("btsdksvc", "enum_local_server",
                     replyWith("(" + serverImage(0, 0x1101, 0) + ", uint32 8)"));
    int marker = 0;
    attr.ext_attributes = &marker;
    ASSERT_EQ(Btsdk_EnumLocalServer(1, &attr), 8u);
    EXPECT_EQ(attr.ext_attributes, &marker);  // no bit: the pointer is left as it was

    EXPECT_EQ(Btsdk_EnumLocalServer(0, &attr), 0u);
    EXPECT_EQ(Btsdk_EnumLocalServer(1, nullptr), 0u);
}

TEST_F(Services, UpdateServerAttributesSendsExactImages) {
    BTSVCHDL server = serverOfClass(0x1106);
    ASSERT_NE(server, 0u);
    service.clearCalls();
    BtsdkLocalServerAttr attr{};
    attr.mask = BTSDK_LSA_MASK_EXT;
    attr.service_class = 0x1106;
    std::strcpy(attr.service_name, "FTP");
    ASSERT_EQ(Btsdk_UpdateServerAttributes(server, &attr), BTSDK_OK);  // bit but no block
    uint8_t ext[264];
    std::memset(ext, 0x11, sizeof ext);
    attr.ext_attributes = ext;
    ASSERT_EQ(Btsdk_UpdateServerAttributes(server, &attr), BTSDK_OK);
    attr.mask = 0;
    ASSERT_EQ(Btsdk_UpdateServerAttributes(server, &attr), BTSDK_OK);
    auto calls = service.calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].ay(1).size(), 96u);
    EXPECT_EQ(calls[1].ay(1).size(), 96u + 264u);
    EXPECT_EQ(calls[1].ay(1)[96 + 263], 0x11);
    EXPECT_EQ(calls[2].ay(1).size(), 96u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&calls[2].ay(1)[4])), "FTP");
}

TEST_F(Services, GetServerAttributesKeepsTheNameAndFillsTheCallersBlock) {
    service.setReply("btsdksvc", "get_server_attributes",
                     replyWith("(" + serverImage(8, 0x1101, 8) + ", uint32 0)"));
    uint8_t ext[8] = {};
    BtsdkLocalServerAttr attr{};
    attr.mask = BTSDK_LSA_MASK_EXT;
    attr.service_class = 0x1101;
    std::strcpy(attr.service_name, "Mine");
    attr.ext_attributes = ext;
    ASSERT_EQ(Btsdk_GetServerAttributes(4, &attr), BTSDK_OK);
    EXPECT_STREQ(attr.service_name, "Mine");
    EXPECT_EQ(ext[7], 0x5A);
    EXPECT_EQ(Btsdk_GetServerAttributes(0, &attr), BTSDK_ER_INVALID_PARAMETER);
}

TEST_F(Services, StatusAndServerChecks) {
    service.clearCalls();
    EXPECT_EQ(Btsdk_StartServer(0), BTSDK_ER_INVALID_PARAMETER);
    EXPECT_EQ(Btsdk_StopServer(0), BTSDK_ER_INVALID_PARAMETER);
    BTUINT16 status = 0;
    EXPECT_EQ(Btsdk_GetServerStatus(0, &status), BTSDK_ER_INVALID_PARAMETER);
    EXPECT_TRUE(service.calls().empty());
    // The status is copied whatever the service's result.
    service.setReply("btsdksvc", "get_server_status", replyWith("(uint32 0x10003, uint32 9)"));
    EXPECT_EQ(Btsdk_GetServerStatus(2, &status), 9u);
    EXPECT_EQ(status, 3);
}

TEST_F(Services, BrowseWithoutAnArrayReportsTheCount) {
    service.setReply("btsdksvc", "browse_remote_service",
                     replyWith("([byte 1,0,0,0, 2,0,0,0, 3,0,0,0], uint32 3, uint32 0)"));
    BTUINT32 count = 0;
    ASSERT_EQ(Btsdk_BrowseRemoteServices(5, nullptr, &count), BTSDK_OK);
    EXPECT_EQ(count, 3u);

    BTSVCHDL handles[2] = {};
    count = 2;
    ASSERT_EQ(Btsdk_BrowseRemoteServices(5, handles, &count), BTSDK_OK);
    EXPECT_EQ(count, 2u);  // no more than the array holds
    EXPECT_EQ(handles[1], 2u);
    EXPECT_EQ(Btsdk_BrowseRemoteServices(0, handles, &count), BTSDK_ER_INVALID_PARAMETER);
}

TEST_F(Services, RemoteServiceAttributesAllocateTheExtensionBlock) {
    service.setReply("btsdksvc", "get_remote_service_ext_attr_size", replyWith("(uint32 12,)"));
    std::string image = "[byte 2, 0, 0x24, 0x11, 1, 2, 3, 4, 72, 73, 68";
    for (int i = 11; i < 96 + 12; ++i) image += i >= 96 ? ", 0x6B" : ", 0";
    service.setReply("btsdksvc", "get_remote_service_attributes", replyWith("(" + image + "], uint32 0)"));
    BtsdkRemoteServiceAttr attr{};
    attr.mask = BTSDK_RSA_MASK_EXT;
    attr.service_class = 0x1124;
    ASSERT_EQ(Btsdk_GetRemoteServiceAttributes(6, &attr), BTSDK_OK);
    EXPECT_STREQ(attr.service_name, "HID");
    EXPECT_EQ(attr.value, 0x04030201u);
    ASSERT_NE(attr.ext_attributes, nullptr);
    EXPECT_EQ(static_cast<uint8_t*>(attr.ext_attributes)[11], 0x6B);
    Btsdk_FreeMemory(attr.ext_attributes);
    auto calls = service.calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().ay(1).size(), 96u + 12u);
}

TEST_F(Services, EnumerationLoopsEndWhenTheServiceIsGone) {
    service.stop();
    corvtest::stderrOf([] {
        EXPECT_EQ(Btsdk_StartEnumRemoteService(1), 0u);
        BtsdkRemoteServiceAttr attr{};
        EXPECT_EQ(Btsdk_EnumRemoteService(1, &attr), 0u);
        EXPECT_EQ(Btsdk_StartEnumLocalServer(), 0u);
    });
    service.start();
}

}  // namespace
