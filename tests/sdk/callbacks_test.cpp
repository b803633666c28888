// The general and user-defined event tables: one subscription per signal, the latest
// registered function called with the narrowed arguments, and emptied slots dropping
// their events.
#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

#include "corvclient/btsdk.h"
#include "harness.h"
#include "sdk_test_util.h"

namespace {

struct Event {
    std::string tag;
    std::vector<BTUINT32> args;
    std::vector<uint8_t> bytes;
};
std::mutex s_lock;
std::vector<Event> s_events;

void record(const std::string& tag, std::vector<BTUINT32> args, const BTUINT8* bytes = nullptr,
            size_t n = 0) {
    std::lock_guard<std::mutex> lock(s_lock);
    s_events.push_back({tag, std::move(args), bytes ? std::vector<uint8_t>(bytes, bytes + n)
                                                    : std::vector<uint8_t>{}});
}
size_t eventCount() {
    std::lock_guard<std::mutex> lock(s_lock);
    return s_events.size();
}
Event eventAt(size_t i) {
    std::lock_guard<std::mutex> lock(s_lock);
    return s_events.at(i);
}

void pinFirst(BTUINT32 d) { record("pin1", {d}); }
void pinSecond(BTUINT32 d) { record("pin2", {d}); }
void connectionEvent(BTUINT32 a, BTUINT32 b, const BTUINT8* data) {
    record("conn", {a, b}, data, 2);
}
void vendorEvent(BTUINT32 a, BTUINT32 b, const BTUINT8* data) { record("vendor", {a, b}, data, 1); }
void pairComplete(BTUINT32 a, BTUINT32 b) { record("pair", {a, b}); }
void inquiryComplete() { record("inqdone", {}); }
void connectionRequest(BTUINT32 a, BTUINT32 b, BTUINT32 c) { record("connreq", {a, b, c}); }
void btStatus(BTUINT32 a, BTUINT32 b, BTUINT32 c) { record("status", {a, b, c}); }

template <typename F>
BtsdkCallbackRecord entry(BTUINT16 event, F* f) {
    return {event, reinterpret_cast<BtsdkEventCallback>(f)};
}

class Callbacks : public corvtest::ServiceTest {
protected:
    void SetUp() override {
        ServiceTest::SetUp();
        std::lock_guard<std::mutex> lock(s_lock);
        s_events.clear();
    }
    void emit(const char* signal, const char* args, const char* iface = "btsdkcbk") {
        service.emitSignal(iface, signal, args);
    }
    void expectNextEvent(size_t index, const std::string& tag) {
        ASSERT_TRUE(corvtest::waitFor([&] { return eventCount() > index; })) << tag;
        EXPECT_EQ(eventAt(index).tag, tag);
    }
};

TEST_F(Callbacks, ReRegistrationReplacesTheFunctionWithoutASecondSubscription) {
    auto first = entry(BTSDK_PIN_CODE_IND, pinFirst);
    auto second = entry(BTSDK_PIN_CODE_IND, pinSecond);
    ASSERT_EQ(Btsdk_RegisterCallback(&first), BTSDK_OK);
    ASSERT_EQ(Btsdk_RegisterCallback(&second), BTSDK_OK);
    emit("pin_request_ind", "(uint32 77,)");
    expectNextEvent(0, "pin2");
    EXPECT_EQ(eventAt(0).args, (std::vector<BTUINT32>{77}));
    // A marker event after it proves no second call is still on its way.
    auto done = entry(BTSDK_INQUIRY_COMPLETE_IND, inquiryComplete);
    ASSERT_EQ(Btsdk_RegisterCallback(&done), BTSDK_OK);
    emit("inquiry_complete_ind", "()");
    expectNextEvent(1, "inqdone");
    EXPECT_EQ(eventCount(), 2u);

    // A null function empties the slot (770); the subscription stays and drops events.
    BtsdkCallbackRecord empty{BTSDK_PIN_CODE_IND, nullptr};
    EXPECT_EQ(Btsdk_RegisterCallback(&empty), BTSDK_ER_FAIL);
    emit("pin_request_ind", "(uint32 78,)");
    emit("inquiry_complete_ind", "()");
    expectNextEvent(2, "inqdone");
}

TEST_F(Callbacks, ArgumentsAreNarrowedAsTheTablesSay) {
    auto conn = entry(BTSDK_CONNECTION_EVENT_IND, connectionEvent);
    auto vendor = entry(BTSDK_VENDOR_EVENT_IND, vendorEvent);
    auto pair = entry(BTSDK_SIMPLE_PAIR_COMPLETE_IND, pairComplete);
    auto request = entry(BTSDK_CONNECTION_REQUEST_IND, connectionRequest);
    ASSERT_EQ(Btsdk_RegisterCallback(&conn), BTSDK_OK);
    ASSERT_EQ(Btsdk_RegisterCallback(&vendor), BTSDK_OK);
    ASSERT_EQ(Btsdk_RegisterCallback(&pair), BTSDK_OK);
    ASSERT_EQ(Btsdk_RegisterCallback(&request), BTSDK_OK);

    emit("connection_event_ind", "(uint32 5, uint32 0x12345, [byte 0xA1, 0xA2])");
    expectNextEvent(0, "conn");
    EXPECT_EQ(eventAt(0).args, (std::vector<BTUINT32>{5, 0x2345}));
    EXPECT_EQ(eventAt(0).bytes, (std::vector<uint8_t>{0xA1, 0xA2}));

    emit("vendor_event_ind", "(uint32 0x1FF, uint32 0x102, [byte 0x33])");
    expectNextEvent(1, "vendor");
    EXPECT_EQ(eventAt(1).args, (std::vector<BTUINT32>{0xFF, 0x02}));

    emit("simple_pair_complete_ind", "(uint32 9, uint32 0x1234)");
    expectNextEvent(2, "pair");
    EXPECT_EQ(eventAt(2).args, (std::vector<BTUINT32>{9, 0x34}));

    emit("connection_request_ind", "(uint32 1, uint32 2, byte 0xFE)");
    expectNextEvent(3, "connreq");
    EXPECT_EQ(eventAt(3).args, (std::vector<BTUINT32>{1, 2, 0xFE}));
}

void linkKey(BTUINT32 device, const BTUINT8* key) { record("key", {device}, key, 16); }
void vendorMarker(BTUINT32 a, BTUINT32 b, const BTUINT8* data) { record("marker", {a, b}, data, 1); }

TEST_F(Callbacks, SignalsWithoutTheirArrayCallNothing) {
    auto key = entry(BTSDK_LINK_KEY_NOTIF_IND, linkKey);
    auto conn = entry(BTSDK_CONNECTION_EVENT_IND, connectionEvent);
    auto vendor = entry(BTSDK_VENDOR_EVENT_IND, vendorMarker);
    ASSERT_EQ(Btsdk_RegisterCallback(&key), BTSDK_OK);
    ASSERT_EQ(Btsdk_RegisterCallback(&conn), BTSDK_OK);
    ASSERT_EQ(Btsdk_RegisterCallback(&vendor), BTSDK_OK);
    service.emitUntypedSignal("btsdkcbk", "link_key_notification_ind", "(uint32 5,)");
    service.emitUntypedSignal("btsdkcbk", "connection_event_ind", "(uint32 5, uint32 6)");
    service.emitUntypedSignal("btsdkcbk", "vendor_event_ind", "(uint32 1, uint32 2)");
    // A well-formed signal after them: once it is in, the others have been dispatched.
    emit("vendor_event_ind", "(uint32 7, uint32 8, [byte 9])");
    expectNextEvent(0, "marker");
    EXPECT_EQ(eventCount(), 1u);
}

TEST_F(Callbacks, IdentifiersOutOfRangeAndNullRecords) {
    auto tooHigh = entry(18, pinFirst);
    EXPECT_EQ(Btsdk_RegisterCallback(&tooHigh), BTSDK_ER_FAIL);
    EXPECT_EQ(Btsdk_RegisterCallback(nullptr), BTSDK_ER_INVALID_PARAMETER);
    auto noSignal = entry(10, pinFirst);
    EXPECT_EQ(Btsdk_RegisterCallback(&noSignal), BTSDK_OK);  // accepted, never called
    auto userTooHigh = entry(5, btStatus);
    EXPECT_EQ(Btsdk_RegisterUsrDefCallback(&userTooHigh), BTSDK_ER_FAIL);
    EXPECT_EQ(Btsdk_RegisterUsrDefCallback(nullptr), BTSDK_ER_INVALID_PARAMETER);
}

TEST_F(Callbacks, BtStatusReachesTheUserDefinedFunction) {
    auto status = entry(BTSDK_USRDEF_BT_STATUS, btStatus);
    ASSERT_EQ(Btsdk_RegisterUsrDefCallback(&status), BTSDK_OK);
    emit("bt_status", "(uint32 3,)", "btsdkinit");
    expectNextEvent(0, "status");
    EXPECT_EQ(eventAt(0).args, (std::vector<BTUINT32>{3, 0, 0}));
}

std::mutex s_burstLock;
std::vector<BTUINT32> s_burst;
void onInquiryResult(BTUINT32 device) {
    std::lock_guard<std::mutex> lock(s_burstLock);
    s_burst.push_back(device);
}

TEST_F(Callbacks, ABurstOfInquiryResultsArrivesCompleteAndInOrder) {
    constexpr BTUINT32 kCount = 5000;
    auto result = entry(BTSDK_INQUIRY_RESULT_IND, onInquiryResult);
    ASSERT_EQ(Btsdk_RegisterCallback(&result), BTSDK_OK);
    for (BTUINT32 i = 1; i <= kCount; ++i) {
        emit("inquiry_result_ind", ("(uint32 " + std::to_string(i) + ",)").c_str());
    }
    ASSERT_TRUE(corvtest::waitFor([] {
        std::lock_guard<std::mutex> lock(s_burstLock);
        return s_burst.size() >= kCount;
    }, 20000));
    std::lock_guard<std::mutex> lock(s_burstLock);
    ASSERT_EQ(s_burst.size(), kCount);
    for (BTUINT32 i = 0; i < kCount; ++i) ASSERT_EQ(s_burst[i], i + 1) << "at " << i;
}

}  // namespace
