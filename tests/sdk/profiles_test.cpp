// Serial port, dial-up, PAN, audio/video and HID: joined dial texts, PAN roles and
// events, the one-time audio/video registration and the HID byte answers.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>

#include "corvclient/btsdk.h"
#include "harness.h"
#include "sdk_test_util.h"

using corvtest::replyWith;

namespace {

class Profiles : public corvtest::ServiceTest {
};

// The wire form alone: the service's answer is set, as no dial-up link is up.
TEST_F(Profiles, DialSendsTheLengthsAndTheJoinedTexts) {
    corvtest::ReplyOverride dialled;
    dialled.result = 0;
    service.setReply("btsdkdun", "dial", dialled);
    service.clearCalls();
    ASSERT_EQ(Btsdk_DunDial("*99#", "", "user", "pw", "", "", "", "ttyB5"), BTSDK_OK);
    auto calls = service.calls();
    ASSERT_EQ(calls.size(), 1u);
    GVariant* lengths = g_variant_get_child_value(calls[0].args, 0);
    gsize n = 0;
    const guint32* values = static_cast<const guint32*>(
        g_variant_get_fixed_array(lengths, &n, sizeof(guint32)));
    ASSERT_EQ(n, 8u);
    EXPECT_EQ(values[0], 4u);
    EXPECT_EQ(values[1], 0u);
    EXPECT_EQ(values[7], 5u);
    g_variant_unref(lengths);
    std::vector<uint8_t> joined = calls[0].ay(1);
    EXPECT_EQ(std::string(joined.begin(), joined.end()), "*99#userpwttyB5");
    EXPECT_EQ(Btsdk_DunDial("a", nullptr, "", "", "", "", "", ""), BTSDK_ER_INVALID_PARAMETER);
}

std::atomic<int> s_panEvents{0};
std::atomic<int> s_panLastLength{-1};
void onPan(BTUINT16 event, BTUINT16 length, BTUINT8* data) {
    if (event == 0x21 && data) {
        s_panLastLength = length;
        ++s_panEvents;
    }
}

TEST_F(Profiles, PanRolesAndEvents) {
    service.clearCalls();
    EXPECT_EQ(Btsdk_RegisterPANService(0x1118, 0, nullptr), BTSDK_ER_INVALID_PARAMETER);
    EXPECT_TRUE(service.calls().empty());
    EXPECT_EQ(Btsdk_RegisterPANService(0x1117, 0, nullptr), BTSDK_OK);
    EXPECT_TRUE(service.calls().at(0).ay(2).empty());

    Btsdk_PAN_RegIndCbk(onPan);
    // The length word never reaches past the bytes that came, however large it is.
    service.emitSignal("btsdkpan", "signal_pan_event", "(uint32 0x10021, uint32 3, [byte 1])");
    ASSERT_TRUE(corvtest::waitFor([] { return s_panEvents.load() == 1; }));
    EXPECT_EQ(s_panLastLength.load(), 1);
    service.emitSignal("btsdkpan", "signal_pan_event",
                       "(uint32 0x21, uint32 4294967295, [byte 1, 2, 3])");
    ASSERT_TRUE(corvtest::waitFor([] { return s_panEvents.load() == 2; }));
    EXPECT_EQ(s_panLastLength.load(), 3);
    service.emitSignal("btsdkpan", "signal_pan_event", "(uint32 0x21, uint32 2, [byte 1, 2, 3])");
    ASSERT_TRUE(corvtest::waitFor([] { return s_panEvents.load() == 3; }));
    EXPECT_EQ(s_panLastLength.load(), 2);

    // A failed registration is no registration.
    corvtest::ReplyOverride failure;
    failure.error = "org.freedesktop.DBus.Error.Failed";
    service.setReply("btsdkpan", "register_pan_service", failure);
    corvtest::stderrOf([] { EXPECT_EQ(Btsdk_RegisterPANService(0x1117, 0, nullptr), BTSDK_ER_FAIL); });
}

TEST_F(Profiles, AudioVideoRegistersOnce) {
    // A failed unregistration reports the failure and leaves the one-time answer unset.
    corvtest::ReplyOverride failure;
    failure.error = "org.freedesktop.DBus.Error.Failed";
    failure.times = 1;
    service.setReply("btsdkav", "unregister_av_service", failure);
    corvtest::stderrOf([] { EXPECT_EQ(Btsdk_UnregisterAVRCPTGService(), BTSDK_ER_FAIL); });

    service.clearCalls();
    BTUINT32 handle = Btsdk_RegisterAVRCPTGService();
    EXPECT_NE(handle, 0u);
    EXPECT_EQ(Btsdk_RegisterA2DPSRCService(), handle);
    EXPECT_EQ(Btsdk_UnregisterA2DPSRCService(), BTSDK_OK);
    EXPECT_EQ(Btsdk_UnregisterAVRCPTGService(), BTSDK_OK);
    EXPECT_EQ(service.calls().size(), 2u);  // one registration, one unregistration
}

std::atomic<unsigned> s_avEvent{0};
void onAvEvent(BTUINT16 event, void*) { s_avEvent = event; }

TEST_F(Profiles, RemoteControlEventsKeepTheLow16Bits) {
    Btsdk_AVRCP_RegIndCbk(onAvEvent);
    service.emitSignal("btsdkav", "av_evt_ind", "(uint32 0x30044, [byte 9])");
    EXPECT_TRUE(corvtest::waitFor([] { return s_avEvent.load() == 0x44; }));
}

TEST_F(Profiles, HidByteAnswers) {
    service.clearCalls();
    EXPECT_EQ(Btsdk_Hid_GetPlugFlag(nullptr), 4);
    EXPECT_EQ(Btsdk_Hid_GetSubClass(nullptr), 4);
    EXPECT_EQ(Btsdk_Hid_ClntUnPluggedDev(nullptr), BTSDK_ER_INVALID_PARAMETER);
    EXPECT_TRUE(service.calls().empty());

    const BTUINT8 address[6] = {1, 2, 3, 4, 5, 6};
    uint8_t information[40] = {};
    BTUINT32 size = 12;
    std::memcpy(information, &size, 4);
    const BTUINT8 record[20] = {7};
    EXPECT_EQ(Btsdk_Hid_ClntPluggedDev(address, information, record), BTSDK_OK);
    auto calls = service.calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].ay(1).size(), 12u);
    EXPECT_EQ(calls[0].ay(2).size(), 20u);

    corvtest::ReplyOverride failure;
    failure.error = "org.freedesktop.DBus.Error.Failed";
    service.setReply("btsdkhid", "get_plug_flag", failure);
    service.setReply("btsdkhid", "init", failure);
    corvtest::stderrOf([&] {
        EXPECT_EQ(Btsdk_Hid_GetPlugFlag(address), 2);
        EXPECT_EQ(Btsdk_HidInit(), 2);
    });
}

std::atomic<unsigned> s_scoUp{0};
void onScoUp(BTUINT32 connection, BTUINT32, BTUINT32) { s_scoUp = connection; }
void onGateway(BTCONNHDL, BTUINT16, BTUINT8*, BTUINT16) {}

TEST_F(Profiles, HandsFreeRequestsAndTheAudioLinkFlag) {
    service.clearCalls();
    EXPECT_EQ(Btsdk_HFAP_AnswerCall(0), BTSDK_ER_INVALID_PARAMETER);
    EXPECT_EQ(Btsdk_AGAP_SetSpkVol(0, 3), BTSDK_ER_INVALID_PARAMETER);
    EXPECT_TRUE(service.calls().empty());

    // The wire forms alone: the answers are set, as no hands-free link is up.
    corvtest::ReplyOverride done;
    done.result = 0;
    service.setReply("btsdkhfp", "agap_network_event", done);
    service.setReply("btsdkhfp", "hfap_dial", done);
    BTUINT8 record[64];
    std::memset(record, 0x77, sizeof record);
    record[35] = 4;
    EXPECT_EQ(Btsdk_AGAP_NetworkEvent(8, 2, record), BTSDK_OK);
    EXPECT_EQ(Btsdk_AGAP_NetworkEvent(8, 3, record), BTSDK_OK);
    EXPECT_EQ(Btsdk_HFAP_Dial(8, reinterpret_cast<const BTUINT8*>("0123"), 4), BTSDK_OK);
    auto calls = service.calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].ay(2), std::vector<uint8_t>(37, 0));
    EXPECT_EQ(calls[1].ay(2), std::vector<uint8_t>(record, record + 37 + 4));
    EXPECT_EQ(calls[2].u(2), 4u);

    // The audio-link flag follows the gateway indications even with no receiver set.
    EXPECT_EQ(Btsdk_IsSCOExist(), 0);
    BtsdkCallbackRecord scoUp{BTSDK_USRDEF_SCO_UP, reinterpret_cast<BtsdkEventCallback>(onScoUp)};
    ASSERT_EQ(Btsdk_RegisterUsrDefCallback(&scoUp), BTSDK_OK);
    Btsdk_AGAP_APPRegCbk(onGateway);
    Btsdk_AGAP_APPUnRegCbk();
    service.emitSignal("btsdkhfp", "agap_ret_msg", "(uint32 12, uint32 0x0903, @ay [], uint32 0)");
    ASSERT_TRUE(corvtest::waitFor([] { return s_scoUp.load() == 12; }));
    EXPECT_EQ(Btsdk_IsSCOExist(), 1);
    service.emitSignal("btsdkhfp", "agap_ret_msg", "(uint32 12, uint32 0x0936, @ay [], uint32 0)");
    EXPECT_TRUE(corvtest::waitFor([] { return Btsdk_IsSCOExist() == 0; }));
}

}  // namespace
