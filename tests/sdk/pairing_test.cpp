// A whole pairing driven only through the public interface against the default world:
// discovery, the pairing on one thread, the PIN answered from the callback thread, the
// paired flag and the link key afterwards; and a wrong PIN.
#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "corvclient/btsdk.h"
#include "harness.h"
#include "sdk_test_util.h"

namespace {

std::mutex s_lock;
std::vector<BTDEVHDL> s_found;
std::atomic<bool> s_inquiryDone{false};
std::string s_pin = "1234";
std::atomic<int> s_pinRequests{0};
std::atomic<int> s_linkKeys{0};
std::atomic<int> s_failures{0};

void onFound(BTUINT32 device) {
    std::lock_guard<std::mutex> lock(s_lock);
    s_found.push_back(device);
}
void onInquiryDone() { s_inquiryDone = true; }
void onPinRequest(BTUINT32 device) {
    ++s_pinRequests;
    std::string pin;
    {
        std::lock_guard<std::mutex> lock(s_lock);
        pin = s_pin;
    }
    // The callback thread runs without the call mutex, so the answer goes from here.
    Btsdk_PinCodeReply(device, reinterpret_cast<const BTUINT8*>(pin.data()),
                       static_cast<BTUINT16>(pin.size()));
}
void onLinkKey(BTUINT32, const BTUINT8* key) {
    if (key) ++s_linkKeys;
}
void onAuthenticationFail(BTUINT32) { ++s_failures; }

template <typename F>
void listen(BTUINT16 event, F* f) {
    BtsdkCallbackRecord record{event, reinterpret_cast<BtsdkEventCallback>(f)};
    ASSERT_EQ(Btsdk_RegisterCallback(&record), BTSDK_OK);
}

std::string nameOf(BTDEVHDL device) {
    BTUINT8 name[64] = {};
    BTUINT16 len = sizeof name - 1;
    return Btsdk_GetRemoteDeviceName(device, name, &len) == BTSDK_OK
               ? std::string(reinterpret_cast<char*>(name), len)
               : std::string();
}

class Pairing : public corvtest::ServiceTest {
protected:
    static void SetUpTestSuite() {
        ASSERT_EQ(InitBtsdkCbkDbus(), 1);
        listen(BTSDK_INQUIRY_RESULT_IND, onFound);
        listen(BTSDK_INQUIRY_COMPLETE_IND, onInquiryDone);
        listen(BTSDK_PIN_CODE_IND, onPinRequest);
        listen(BTSDK_LINK_KEY_NOTIF_IND, onLinkKey);
        listen(BTSDK_AUTHENTICATION_FAIL_IND, onAuthenticationFail);
    }

    BTDEVHDL discoverPhone() {
        s_inquiryDone = false;
        {
            std::lock_guard<std::mutex> lock(s_lock);
            s_found.clear();
        }
        EXPECT_EQ(Btsdk_StartDeviceDiscovery(0, 0, 10), BTSDK_OK);
        EXPECT_TRUE(corvtest::waitFor([] { return s_inquiryDone.load(); }, 15000));
        std::vector<BTDEVHDL> found;
        {
            std::lock_guard<std::mutex> lock(s_lock);
            found = s_found;
        }
        for (BTDEVHDL device : found)
            if (nameOf(device) == "Nova Phone") return device;
        ADD_FAILURE() << "the phone was not found among " << found.size() << " devices";
        return 0;
    }
};

TEST_F(Pairing, PinPairingRoundTrip) {
    BTDEVHDL phone = discoverPhone();
    ASSERT_NE(phone, 0u);
    ASSERT_EQ(Btsdk_UnPairDevice(phone), BTSDK_OK);
    BTUINT8 paired = 1;
    ASSERT_EQ(Btsdk_IsDevicePaired(phone, &paired), BTSDK_OK);
    EXPECT_EQ(paired, 0);

    int keysBefore = s_linkKeys.load();
    auto result = std::async(std::launch::async, [phone] { return Btsdk_PairDevice(phone); });
    EXPECT_EQ(result.get(), BTSDK_OK);
    EXPECT_GE(s_pinRequests.load(), 1);
    ASSERT_EQ(Btsdk_IsDevicePaired(phone, &paired), BTSDK_OK);
    EXPECT_EQ(paired, 1);
    EXPECT_TRUE(corvtest::waitFor([&] { return s_linkKeys.load() > keysBefore; }));
}

TEST_F(Pairing, AWrongPinFailsWithTheServicesResult) {
    BTDEVHDL phone = discoverPhone();
    ASSERT_NE(phone, 0u);
    ASSERT_EQ(Btsdk_UnPairDevice(phone), BTSDK_OK);
    {
        std::lock_guard<std::mutex> lock(s_lock);
        s_pin = "9999";
    }
    int failuresBefore = s_failures.load();
    BTRESULT result = Btsdk_PairDevice(phone);
    EXPECT_NE(result, BTSDK_OK);
    EXPECT_NE(result, BTSDK_ER_FAIL);  // the service's own code, passed through
    EXPECT_TRUE(corvtest::waitFor([&] { return s_failures.load() > failuresBefore; }));
    BTUINT8 paired = 1;
    ASSERT_EQ(Btsdk_IsDevicePaired(phone, &paired), BTSDK_OK);
    EXPECT_EQ(paired, 0);
}

TEST_F(Pairing, EnumerationVisitsEveryKnownDeviceOnce) {
    std::set<BTDEVHDL> seen;
    BTSDKHANDLE enumeration = Btsdk_StartEnumRemoteDevice(0, 0);
    ASSERT_NE(enumeration, 0u);
    BTUINT8 property[BTSDK_REMOTE_DEVICE_PROP_LEN];
    int steps = 0;
    while (BTDEVHDL device = Btsdk_EnumRemoteDevice(enumeration, property)) {
        EXPECT_TRUE(seen.insert(device).second) << "device " << device << " twice";
        ASSERT_LT(++steps, 100);
    }
    EXPECT_EQ(Btsdk_EndEnumRemoteDevice(enumeration), BTSDK_OK);
    EXPECT_GE(seen.size(), 3u);  // the default world's phone, laptop and headset

    service.stop();
    corvtest::stderrOf([] {
        EXPECT_EQ(Btsdk_StartEnumRemoteDevice(0, 0), 0u);
        BTUINT8 record[BTSDK_REMOTE_DEVICE_PROP_LEN];
        EXPECT_EQ(Btsdk_EnumRemoteDevice(1, record), 0u);
    });
    service.start();
}

}  // namespace
