// Remote-device and security operations: the copy rules of names, handles, flags and
// records, the link-mode byte counts and the argument checks, with replies shaped by
// the stand-in service's overrides and checked against its call recording.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "corvclient/btsdk.h"
#include "harness.h"
#include "sdk_test_util.h"

using corvtest::ReplyOverride;

namespace {

class Remote : public corvtest::ServiceTest {
protected:
    void reply(const char* method, const std::string& tuple, const char* iface = "btsdkrmt") {
        ReplyOverride o;
        o.reply = tuple;
        service.setReply(iface, method, o);
    }
};

TEST_F(Remote, NameUpdateFillsTheBufferAsLongAsItIs) {
    reply("update_remote_device_name", "(\"Twenty characters!!!\", uint32 0)");
    BTUINT8 name[40];
    std::memset(name, 0xAA, sizeof name);
    BTUINT16 len = 8;
    ASSERT_EQ(Btsdk_UpdateRemoteDeviceName(1, name, &len), BTSDK_OK);
    EXPECT_EQ(len, 8);
    EXPECT_EQ(std::memcmp(name, "Twenty c", 8), 0);
    EXPECT_EQ(name[8], 0xAA);  // nothing past the given length

    len = 32;
    ASSERT_EQ(Btsdk_UpdateRemoteDeviceName(1, name, &len), BTSDK_OK);
    EXPECT_EQ(len, 20);
    EXPECT_STREQ(reinterpret_cast<char*>(name), "Twenty characters!!!");
    for (int i = 20; i < 32; ++i) EXPECT_EQ(name[i], 0) << i;

    reply("update_remote_device_name", "(\"x\", uint32 9)");
    len = 32;
    EXPECT_EQ(Btsdk_UpdateRemoteDeviceName(1, name, &len), 9u);
    EXPECT_EQ(len, 0);
}

TEST_F(Remote, NameUpdateKeepsAtMost131NameBytes) {
    reply("update_remote_device_name", "(\"" + std::string(200, 'L') + "\", uint32 0)");
    BTUINT8 name[256];
    std::memset(name, 0xAA, sizeof name);
    BTUINT16 len = 200;
    ASSERT_EQ(Btsdk_UpdateRemoteDeviceName(1, name, &len), BTSDK_OK);
    EXPECT_EQ(len, 131);
    EXPECT_EQ(name[130], 'L');
    EXPECT_EQ(name[131], 0);
    EXPECT_EQ(name[199], 0);     // the given length is zeroed
    EXPECT_EQ(name[200], 0xAA);  // and nothing past it is touched
}

TEST_F(Remote, NameReadNeverWritesPastTheGivenLength) {
    reply("get_remote_device_name", "(\"Phone of Alice\", uint32 0)");
    BTUINT8 name[16];
    std::memset(name, 0xAA, sizeof name);
    BTUINT16 len = 5;
    ASSERT_EQ(Btsdk_GetRemoteDeviceName(2, name, &len), BTSDK_OK);
    EXPECT_EQ(len, 5);
    EXPECT_EQ(std::memcmp(name, "Phone", 5), 0);
    EXPECT_EQ(name[5], 0xAA);

    reply("get_remote_device_name", "(\"ignored\", uint32 3)");
    len = 16;
    std::memset(name, 0xAA, sizeof name);
    EXPECT_EQ(Btsdk_GetRemoteDeviceName(2, name, &len), 3u);
    EXPECT_EQ(len, 0);
    EXPECT_EQ(name[0], 0xAA);
}

TEST_F(Remote, LinkModeSendsTheModesByteCount) {
    const BTUINT8 param[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    service.clearCalls();
    EXPECT_EQ(Btsdk_SetLinkMode(5, 4, param), BTSDK_ER_FAIL);
    EXPECT_EQ(Btsdk_SetLinkMode(0, 1, param), BTSDK_ER_INVALID_PARAMETER);
    EXPECT_TRUE(service.calls().empty());

    EXPECT_EQ(Btsdk_SetLinkMode(5, 0, nullptr), BTSDK_OK);
    EXPECT_EQ(Btsdk_SetLinkMode(5, 2, param), BTSDK_OK);
    EXPECT_EQ(Btsdk_SetLinkMode(5, 3, param), BTSDK_OK);
    auto calls = service.calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].u(2), 0u);
    EXPECT_TRUE(calls[0].ay(3).empty());
    EXPECT_EQ(calls[1].u(1), 2u);
    EXPECT_EQ(calls[1].u(2), 10u);
    EXPECT_EQ(calls[1].ay(3), std::vector<uint8_t>(param, param + 10));
    EXPECT_EQ(calls[2].ay(3), std::vector<uint8_t>(param, param + 6));
}

TEST_F(Remote, OutputsAreCopiedOnlyOnSuccessAndNarrowed) {
    reply("get_remote_rssi", "(uint32 0x1C4, uint32 0)");
    BTUINT8 rssi = 0;
    EXPECT_EQ(Btsdk_GetRemoteRSSI(1, &rssi), BTSDK_OK);
    EXPECT_EQ(rssi, 0xC4);
    reply("get_remote_rssi", "(uint32 0x55, uint32 4)");
    EXPECT_EQ(Btsdk_GetRemoteRSSI(1, &rssi), 4u);
    EXPECT_EQ(rssi, 0xC4);

    reply("get_remote_device_role", "(uint32 0x10001, uint32 0)");
    BTUINT16 role = 7;
    EXPECT_EQ(Btsdk_GetRemoteDeviceRole(1, &role), BTSDK_OK);
    EXPECT_EQ(role, 1);

    service.clearCalls();
    BTUINT32 param = 0;
    EXPECT_EQ(Btsdk_GetRemoteDeviceParam(1, nullptr), BTSDK_ER_INVALID_PARAMETER);
    EXPECT_EQ(Btsdk_GetRemoteDeviceParam(0, &param), BTSDK_ER_INVALID_PARAMETER);
    EXPECT_EQ(Btsdk_SetRemoteDeviceParam(0, 1), BTSDK_ER_INVALID_PARAMETER);
    EXPECT_TRUE(service.calls().empty());
}

TEST_F(Remote, StoredDevicesNeverOverrunTheCallersArray) {
    reply("get_stored_devices_by_class",
          "(uint32 0, [byte 1,0,0,0, 2,0,0,0, 3,0,0,0, 4,0,0,0], uint32 4)");
    BTDEVHDL handles[3] = {0, 0, 0};
    EXPECT_EQ(Btsdk_GetStoredDevicesByClass(0, handles, 2), 2u);
    EXPECT_EQ(handles[0], 1u);
    EXPECT_EQ(handles[1], 2u);
    EXPECT_EQ(handles[2], 0u);  // max 2: the third slot is not written

    reply("get_stored_devices_by_class", "(uint32 0, [byte 9,0,0,0], uint32 3)");
    EXPECT_EQ(Btsdk_GetStoredDevicesByClass(0, handles, 3), 1u);  // the reply holds one
    EXPECT_EQ(handles[0], 9u);
}

TEST_F(Remote, HandleAndBooleanOperationsYieldZeroOnFailure) {
    ReplyOverride failure;
    failure.error = "org.freedesktop.DBus.Error.Failed";
    for (const char* method : {"add_remote_device", "start_enum_remote_device",
                               "enum_remote_device", "is_device_connected"}) {
        service.setReply("btsdkrmt", method, failure);
    }
    service.setReply("btsdksec", "is_device_trusted", failure);
    const BTUINT8 address[6] = {1, 2, 3, 4, 5, 6};
    BTUINT8 prop[BTSDK_REMOTE_DEVICE_PROP_LEN];
    corvtest::stderrOf([&] {
        EXPECT_EQ(Btsdk_AddRemoteDevice(address), 0u);
        EXPECT_EQ(Btsdk_StartEnumRemoteDevice(0, 0), 0u);
        EXPECT_EQ(Btsdk_EnumRemoteDevice(1, prop), 0u);
        EXPECT_EQ(Btsdk_IsDeviceConnected(1), 0);
        EXPECT_EQ(Btsdk_IsDeviceTrusted(1, 2), 0);
    });
}

TEST_F(Remote, RepliesCarryExactlyTheirBytes) {
    service.clearCalls();
    const BTUINT8 pin[4] = {'1', '2', '3', '4'};
    const BTUINT8 key[16] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    EXPECT_EQ(Btsdk_PinCodeReply(3, pin, 4), BTSDK_OK);
    EXPECT_EQ(Btsdk_LinkKeyReply(3, key), BTSDK_OK);
    EXPECT_EQ(Btsdk_IOCapReqReply(3, 1, 0, 5), BTSDK_OK);
    EXPECT_EQ(Btsdk_SetTrustedDevice(0, 3, 1), BTSDK_OK);
    auto calls = service.calls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].ay(1), std::vector<uint8_t>(pin, pin + 4));
    EXPECT_EQ(calls[0].u(2), 4u);
    EXPECT_EQ(calls[1].ay(1), std::vector<uint8_t>(key, key + 16));
    EXPECT_EQ(calls[2].u(3), 5u);
    EXPECT_EQ(calls[3].signature, "uub");
}

}  // namespace
