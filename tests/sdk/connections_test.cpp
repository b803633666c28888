// Connections and shortcuts: parameter-block sizes, the property records, handle lists
// bounded by the caller's array, shortcut records packed field by field, and the
// adapter-removal clean-up.
#include <gtest/gtest.h>

#include <cstring>

#include "corvclient/btsdk.h"
#include "harness.h"
#include "sdk_test_util.h"

using corvtest::bytesText;
using corvtest::replyWith;

namespace {

class Connections : public corvtest::ServiceTest {
};

TEST_F(Connections, ConnectExSizesTheParameterBlockByServiceClass) {
    service.setReply("btsdkconn", "connect_ex", replyWith("(uint32 41, uint32 0)"));
    uint8_t block[800];
    BTCONNHDL connection = 0;
    service.clearCalls();
    for (BTUINT16 serviceClass : {0x1105, 0x110B, 0x1101}) {
        std::memset(block, 0xEE, sizeof block);
        ASSERT_EQ(Btsdk_ConnectEx(9, serviceClass, block, &connection), BTSDK_OK);
        EXPECT_EQ(connection, 41u);
    }
    ASSERT_EQ(Btsdk_ConnectEx(9, 0x1105, nullptr, &connection), BTSDK_OK);
    auto calls = service.calls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].ay(2).size(), 772u);
    EXPECT_EQ(calls[0].ay(2)[0] | (calls[0].ay(2)[1] << 8), 772);
    EXPECT_EQ(calls[0].ay(2)[771], 0xEE);
    EXPECT_EQ(calls[1].ay(2).size(), 160u);
    EXPECT_EQ(calls[2].ay(2).size(), 8u);
    EXPECT_TRUE(calls[3].ay(2).empty());
    BTUINT32 sizeWord = 0;
    std::memcpy(&sizeWord, block, 4);
    EXPECT_EQ(sizeWord, 8u);  // the library wrote the size into the caller's block

    EXPECT_EQ(Btsdk_Connect(9, 0x1101, nullptr), BTSDK_ER_INVALID_PARAMETER);
    EXPECT_EQ(Btsdk_ConnectEx(0, 0x1101, nullptr, &connection), BTSDK_ER_INVALID_PARAMETER);
    EXPECT_EQ(service.calls().size(), 4u);
}

TEST_F(Connections, PropertyRecordAndHandleLists) {
    std::string prop = "[byte 1,0,0,0, 2,0,0,0, 3,0,0,0, 0x01,0x11, 0,0, 0x10,0x27,0,0, 5,0,0,0, 6,0,0,0]";
    service.setReply("btsdkconn", "get_connection_property", replyWith("(" + prop + ", uint32 0)"));
    BtsdkConnectionProperty property{};
    ASSERT_EQ(Btsdk_GetConnectionProperty(4, &property), BTSDK_OK);
    EXPECT_EQ(property.device, 2u);
    EXPECT_EQ(property.service_class, 0x1101);
    EXPECT_EQ(property.duration_ms, 10000u);
    EXPECT_EQ(property.sent_bytes, 6u);

    service.setReply("btsdkconn", "get_all_outgoing_connections",
                     replyWith("([byte 7,0,0,0, 8,0,0,0, 9,0,0,0], uint32 3)"));
    BTCONNHDL handles[2] = {};
    EXPECT_EQ(Btsdk_GetAllOutgoingConnections(handles, 2), 2u);
    EXPECT_EQ(handles[1], 8u);

    service.setReply("btsdkconn", "enum_connection", replyWith("(@ay [], uint32 0)"));
    BTSDKHANDLE enumeration = Btsdk_StartEnumConnection();
    EXPECT_EQ(Btsdk_EnumConnection(enumeration, &property), 0u);
    EXPECT_EQ(Btsdk_EndEnumConnection(enumeration), BTSDK_OK);

    service.clearCalls();
    EXPECT_EQ(Btsdk_GetServerPort(0), 0);
    EXPECT_EQ(Btsdk_GetACLHandle(0), 0);
    EXPECT_EQ(Btsdk_Disconnect(0), BTSDK_ER_INVALID_PARAMETER);
    EXPECT_TRUE(service.calls().empty());
}

BtsdkShortcutProperty fullRecord() {
    BtsdkShortcutProperty p{};
    p.shortcut = 0x11;
    p.device = 0x22;
    p.service = 0x33;
    p.flag1 = p.flag2 = 1;
    std::memset(p.short_text, 'S', sizeof p.short_text);  // fields filled, no NUL
    std::memset(p.name, 'N', sizeof p.name);
    std::memset(p.second_name, 'M', sizeof p.second_name);
    std::memset(p.service_name, 'V', sizeof p.service_name);
    p.service_class = 0x1101;
    p.mask = 13;
    p.device_class = 0x5A020C;
    return p;
}

TEST_F(Connections, ShortcutRecordsTravelFieldByField) {
    service.setReply("btsdkshc", "set_shortcut_property", replyWith("(uint32 0,)"));
    service.clearCalls();
    BtsdkShortcutProperty p = fullRecord();
    uint8_t block[15] = {0, 1, 2, 3, 4, 7};
    p.mask |= BTSDK_SHC_MASK_ATTRIBUTES;
    p.attr_len = sizeof block;
    p.attributes = block;
    ASSERT_EQ(Btsdk_SetShortCutProperty(&p), BTSDK_OK);
    auto image = service.calls().at(0).ay(0);
    ASSERT_EQ(image.size(), 284u + 15u);
    EXPECT_EQ(image[0], 0x11);
    EXPECT_EQ(image[18 + 5], 0);    // texts cut at their NUL
    EXPECT_EQ(image[28 + 98], 'N');
    EXPECT_EQ(image[28 + 99], 0);
    EXPECT_EQ(image[192 + 79], 0);
    EXPECT_EQ(image[26], 13 | 0x40);
    EXPECT_EQ(image[278], 15);
    EXPECT_EQ(image[284 + 5], 7);

    // Without the mask bit no block goes, whatever the length says.
    p.mask = 13;
    service.clearCalls();
    ASSERT_EQ(Btsdk_SetShortCutProperty(&p), BTSDK_OK);
    EXPECT_EQ(service.calls().at(0).ay(0).size(), 284u);
}

TEST_F(Connections, CreateShortcutExKeepsTheCallersHandle) {
    std::string reply = "[byte 0x99,0,0,0" ;
    for (int i = 4; i < 284; ++i) reply += i == 24 ? ", 0x06" : (i == 25 ? ", 0x11" : ", 0");
    service.setReply("btsdkshc", "create_shortcut_ex", replyWith("(" + reply + "], uint32 0)"));
    BtsdkShortcutProperty p = fullRecord();
    ASSERT_EQ(Btsdk_CreateShortCutEx(&p), BTSDK_OK);
    EXPECT_EQ(p.shortcut, 0x11u);
    EXPECT_EQ(p.service_class, 0x1106);
    EXPECT_STREQ(p.name, "");
}

TEST_F(Connections, GetShortcutPropertyReportsTheBlockLengthItNeeds) {
    std::string reply = "[byte 1,0,0,0";
    for (int i = 4; i < 284; ++i) reply += i == 26 ? ", 0x4D" : (i == 278 ? ", 20" : ", 0");
    for (int i = 0; i < 20; ++i) reply += ", 0x42";
    service.setReply("btsdkshc", "get_shortcut_property", replyWith("(" + reply + "], uint32 775)"));
    BtsdkShortcutProperty p{};
    p.shortcut = 1;
    EXPECT_EQ(Btsdk_GetShortCutProperty(&p), 775u);  // read like success
    EXPECT_EQ(p.attr_len, 20);
    EXPECT_EQ(p.mask, 0x4D);
    EXPECT_EQ(p.attributes, nullptr);

    uint8_t buffer[32];
    std::memset(buffer, 0, sizeof buffer);
    p.attributes = buffer;
    p.attr_len = 32;  // larger than the stored block
    EXPECT_EQ(Btsdk_GetShortCutProperty(&p), 775u);
    EXPECT_EQ(buffer[19], 0x42);
    EXPECT_EQ(buffer[20], 0);  // nothing read past the reply
}

TEST_F(Connections, ConnectShortcutExSizesTheBlockByTheShortcutsClass) {
    std::string reply = "[byte 1,0,0,0";
    for (int i = 4; i < 284; ++i) reply += i == 24 ? ", 0x05" : (i == 25 ? ", 0x11" : ", 0");
    service.setReply("btsdkshc", "get_shortcut_property", replyWith("(" + reply + "], uint32 0)"));
    service.setReply("btsdkshc", "connect_shortcut_ex", replyWith("(uint32 55, uint32 0)"));
    uint8_t block[772] = {};
    BTCONNHDL connection = 0;
    service.clearCalls();
    ASSERT_EQ(Btsdk_ConnectShortCutEx(1, block, &connection), BTSDK_OK);
    EXPECT_EQ(connection, 55u);
    auto calls = service.calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].method, "connect_shortcut_ex");
    EXPECT_EQ(calls[1].ay(1).size(), 772u);
}

TEST_F(Connections, AllShortcutsWithoutAnArrayCounts) {
    service.setReply("btsdkshc", "get_all_shortcuts",
                     replyWith("(uint32 5, " + bytesText(0) + ", uint32 0)"));
    EXPECT_EQ(Btsdk_GetAllShortCuts(nullptr, 0), 5u);
}

TEST_F(Connections, HardwareControlCleansUpWithoutUnplugWhenNotReady) {
    service.setReply("btsdkrmt", "start_enum_remote_device", replyWith("(uint32 3,)"));
    corvtest::ReplyOverride firstDevice = replyWith("(" + bytesText(116) + ", uint32 21)");
    firstDevice.times = 1;
    service.setReply("btsdkrmt", "enum_remote_device", firstDevice);
    service.setReply("btsdkshc", "get_shortcut_by_device_handle",
                     replyWith("(uint32 2, [byte 4,0,0,0, 5,0,0,0], uint32 0)"));
    service.setReply("btsdkrmt", "is_device_paired", replyWith("(uint32 0, uint32 0)"));
    service.setReply("btsdkinit", "is_bluetooth_ready", replyWith("(uint32 0,)"));

    service.clearCalls();
    EXPECT_EQ(Btsdk_HardwareControl(1), BTSDK_OK);
    EXPECT_TRUE(service.calls().empty());

    EXPECT_EQ(Btsdk_HardwareControl(0), BTSDK_OK);
    std::vector<std::string> methods;
    for (const auto& call : service.calls()) methods.push_back(call.method);
    std::vector<std::string> expected = {
        "start_enum_remote_device", "enum_remote_device", "get_shortcut_by_device_handle",
        "delete_shortcut",          "delete_shortcut",   "is_device_paired",
        "delete_remote_device_by_handle", "enum_remote_device", "end_enum_remote_device",
        "is_bluetooth_ready"};
    EXPECT_EQ(methods, expected);
}

}  // namespace
