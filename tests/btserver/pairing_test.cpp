// Pairing of each kind with its indications, answers and failures, unpairing, trust and
// the security mode.
#include <chrono>

#include "remote_world.h"

using bttest::Answer;
using bttest::callArea;
using bttest::onDevice;
using bttest::words;
using Clock = std::chrono::steady_clock;
using Words = std::vector<std::vector<uint32_t>>;

namespace {

constexpr const char* kCallback = "com.zel.corvane.btservicecbk.btsdkcbk";

class Pairing : public bttest::RemoteWorld {
protected:
    bttest::SignalRecorder pinRequests{kCallback, "pin_request_ind"};
    bttest::SignalRecorder confirmations{kCallback, "usr_cfm_req_ind"};
    bttest::SignalRecorder passkeys{kCallback, "passkey_notification_ind"};
    bttest::SignalRecorder completions{kCallback, "simple_pair_complete_ind"};
    bttest::SignalRecorder linkKeys{kCallback, "link_key_notification_ind"};
    bttest::SignalRecorder failures{kCallback, "authentication_fail_ind"};

    static std::future<Answer> pair(uint32_t device) {
        return bttest::callLater("btsdkrmt", "pair_device", g_variant_new("(u)", device));
    }
    static uint32_t pinReply(uint32_t device, const std::string& pin) {
        std::vector<uint8_t> bytes(pin.begin(), pin.end());
        return callArea("btsdkrmt", "pin_code_reply",
                        g_variant_new("(u@ayu)", device, bttest::bytes(bytes),
                                      static_cast<uint32_t>(bytes.size())))
            .u(0);
    }
    static uint32_t paired(uint32_t device) { return onDevice("is_device_paired", device).u(0); }
};

TEST_F(Pairing, RightPinPairsAndNotifiesTheLinkKey) {
    auto pairing = pair(bttest::kPhone);
    ASSERT_TRUE(pinRequests.waitForCount(1));
    EXPECT_EQ(words(pinRequests.take()), (Words{{1}}));
    EXPECT_EQ(pinReply(bttest::kPhone, "1234"), 0u);
    EXPECT_EQ(pairing.get().u(0), 0u);
    ASSERT_TRUE(linkKeys.waitForCount(1));
    std::vector<GVariant*> keys = linkKeys.take();
    guint32 device = 0;
    GVariant* key = nullptr;
    g_variant_get(keys[0], "(u@ay)", &device, &key);
    EXPECT_EQ(device, 1u);
    EXPECT_EQ(g_variant_n_children(key), 16u);
    g_variant_unref(key);
    words(keys);
    EXPECT_EQ(paired(bttest::kPhone), 1u);
    EXPECT_EQ(completions.count(), 0u);  // PIN pairing is not simple pairing
    EXPECT_EQ(failures.count(), 0u);

    EXPECT_EQ(onDevice("unpair_device", bttest::kPhone).u(0), 0u);
    EXPECT_EQ(paired(bttest::kPhone), 0u);
    EXPECT_EQ(onDevice("unpair_device", 99).u(0), 4u);
}

TEST_F(Pairing, WrongPinFailsTheAuthentication) {
    auto pairing = pair(bttest::kPhone);
    ASSERT_TRUE(pinRequests.waitForCount(1));
    EXPECT_EQ(pinReply(bttest::kPhone, "12345"), 0u);  // the reply itself is accepted
    EXPECT_EQ(pairing.get().u(0), 6u);
    ASSERT_TRUE(failures.waitForCount(1));
    EXPECT_EQ(words(failures.take()), (Words{{1}}));
    EXPECT_EQ(linkKeys.count(), 0u);
    EXPECT_EQ(paired(bttest::kPhone), 0u);
}

TEST_F(Pairing, ConfirmationAcceptedOrRefused) {
    auto pairing = pair(bttest::kLaptop);
    ASSERT_TRUE(confirmations.waitForCount(1));
    EXPECT_EQ(words(confirmations.take()), (Words{{2, 482916}}));
    EXPECT_EQ(callArea("btsdkrmt", "usr_cfm_req_reply", g_variant_new("(uu)", 2, 1)).u(0), 0u);
    EXPECT_EQ(pairing.get().u(0), 0u);
    ASSERT_TRUE(completions.waitForCount(1));
    EXPECT_EQ(words(completions.take()), (Words{{2, 0}}));
    ASSERT_TRUE(linkKeys.waitForCount(1));
    EXPECT_EQ(paired(bttest::kLaptop), 1u);

    pairing = pair(bttest::kLaptop);
    ASSERT_TRUE(confirmations.waitForCount(1));
    EXPECT_EQ(callArea("btsdkrmt", "usr_cfm_req_reply", g_variant_new("(uu)", 2, 0)).u(0), 0u);
    EXPECT_EQ(pairing.get().u(0), 6u);
    ASSERT_TRUE(completions.waitForCount(1));
    EXPECT_EQ(words(completions.take()), (Words{{2, 6}}));
    ASSERT_TRUE(failures.waitForCount(1));
    EXPECT_EQ(paired(bttest::kLaptop), 0u);
}

TEST_F(Pairing, NoAnswerTimesOut) {
    auto begin = Clock::now();
    auto pairing = pair(bttest::kPhone);
    ASSERT_TRUE(pinRequests.waitForCount(1));
    EXPECT_EQ(pairing.get().u(0), 7u);
    EXPECT_GE(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - begin).count(),
              390);  // PairingTimeout=400
    ASSERT_TRUE(failures.waitForCount(1));
    EXPECT_EQ(pinReply(bttest::kPhone, "1234"), 0u);  // too late: ignored
    EXPECT_EQ(paired(bttest::kPhone), 0u);
}

TEST_F(Pairing, PasskeyAndNoUserStepNeedNoAnswer) {
    auto pairing = pair(bttest::kKeyboard);
    ASSERT_TRUE(passkeys.waitForCount(1));
    EXPECT_EQ(words(passkeys.take()), (Words{{3, 9021}}));
    EXPECT_EQ(pairing.get().u(0), 0u);
    ASSERT_TRUE(completions.waitForCount(1));
    EXPECT_EQ(words(completions.take()), (Words{{3, 0}}));

    EXPECT_EQ(pair(bttest::kSpeaker).get().u(0), 4u);  // not stored yet
    callArea("btsdkrmt", "add_remote_device",
             g_variant_new("(@ay)", bttest::bytes({0x30, 0x20, 0x10, 0x44, 0x0D, 0x00})));
    EXPECT_EQ(pair(bttest::kSpeaker).get().u(0), 0u);
    EXPECT_EQ(paired(bttest::kSpeaker), 1u);
    ASSERT_TRUE(linkKeys.waitForCount(2));
    EXPECT_EQ(pinRequests.count() + confirmations.count(), 0u);
}

TEST_F(Pairing, RefusedWhileBusyOrOutOfRange) {
    EXPECT_EQ(pair(bttest::kWatch).get().u(0), 5u);
    auto pairing = pair(bttest::kPhone);
    ASSERT_TRUE(pinRequests.waitForCount(1));
    EXPECT_EQ(pair(bttest::kPhone).get().u(0), 3u);
    EXPECT_EQ(pinReply(bttest::kPhone, "1234"), 0u);
    EXPECT_EQ(pairing.get().u(0), 0u);
    EXPECT_EQ(failures.count(), 0u);
}

TEST_F(Pairing, TrustAndSecurityMode) {
    auto trusted = [](uint32_t device) {
        Answer answer = callArea("btsdksec", "is_device_trusted", g_variant_new("(uu)", 0, device));
        gboolean value = FALSE;
        g_variant_get(answer.value(), "(b)", &value);
        return value != FALSE;
    };
    auto trust = [](uint32_t device, gboolean on) {
        return callArea("btsdksec", "set_trusted_device",
                        g_variant_new("(uub)", 0x1106, device, on))
            .u(0);
    };
    EXPECT_FALSE(trusted(bttest::kLaptop));
    EXPECT_EQ(trust(bttest::kLaptop, TRUE), 0u);
    EXPECT_TRUE(trusted(bttest::kLaptop));
    EXPECT_EQ(trust(bttest::kLaptop, FALSE), 0u);
    EXPECT_FALSE(trusted(bttest::kLaptop));
    EXPECT_EQ(trust(42, TRUE), 4u);
    EXPECT_FALSE(trusted(42));
    EXPECT_EQ(trust(bttest::kWatch, TRUE), 0u);
    EXPECT_EQ(onDevice("delete_remote_device_by_handle", bttest::kWatch).u(0), 0u);
    EXPECT_FALSE(trusted(bttest::kWatch));  // forgotten with the device

    EXPECT_EQ(onDevice("set_security_mode", 3, "btsdksec").u(0), 0u);
    GVariant* adapter = service.adapter();
    guint32 mode = 0;
    EXPECT_TRUE(g_variant_lookup(adapter, "security_mode", "u", &mode));
    EXPECT_EQ(mode, 3u);
    g_variant_unref(adapter);
}

}  // namespace
