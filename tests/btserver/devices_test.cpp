// Known remote devices: enumeration with the property record, stored lists, adding and
// forgetting, names and their update, properties, and links held with no connection.
#include <chrono>
#include <cstring>
#include <set>

#include "remote_world.h"

using bttest::Answer;
using bttest::callArea;
using bttest::onDevice;
using Clock = std::chrono::steady_clock;

namespace {

using Devices = bttest::RemoteWorld;
using Bytes = std::vector<uint8_t>;

uint32_t wordAt(const Bytes& record, size_t offset) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i) value |= uint32_t{record.at(offset + i)} << (8 * i);
    return value;
}

// Every device of an enumeration with its record, checking that the end answers 0.
std::vector<std::pair<uint32_t, Bytes>> enumerate(uint32_t filter, uint32_t mode) {
    uint32_t handle =
        callArea("btsdkrmt", "start_enum_remote_device", g_variant_new("(uu)", filter, mode)).u(0);
    EXPECT_NE(handle, 0u);
    std::vector<std::pair<uint32_t, Bytes>> visited;
    for (int guard = 0; guard < 20; ++guard) {
        Answer next = onDevice("enum_remote_device", handle);
        EXPECT_EQ(next.ay(0).size(), 116u);
        if (next.u(1) == 0)
            break;
        visited.emplace_back(next.u(1), next.ay(0));
    }
    EXPECT_EQ(onDevice("end_enum_remote_device", handle).u(0), 0u);
    EXPECT_EQ(onDevice("end_enum_remote_device", handle).u(0), 4u);  // gone
    return visited;
}

std::vector<uint32_t> handlesOf(const std::vector<std::pair<uint32_t, Bytes>>& visited) {
    std::vector<uint32_t> handles;
    for (const auto& item : visited) handles.push_back(item.first);
    return handles;
}

std::vector<uint32_t> stored(uint32_t filter, uint32_t max) {
    Answer answer =
        callArea("btsdkrmt", "get_stored_devices_by_class", g_variant_new("(uu)", filter, max));
    Bytes bytes = answer.ay(1);
    EXPECT_EQ(answer.u(0), 0u);
    EXPECT_EQ(bytes.size(), 4 * answer.u(2));
    std::vector<uint32_t> handles;
    for (size_t i = 0; i + 4 <= bytes.size(); i += 4) handles.push_back(wordAt(bytes, i));
    return handles;
}

uint32_t add(const Bytes& address) {
    return callArea("btsdkrmt", "add_remote_device", g_variant_new("(@ay)", bttest::bytes(address)))
        .u(0);
}

TEST_F(Devices, EnumerationVisitsEveryStoredDeviceOnceWithItsRecord) {
    auto visited = enumerate(0, 0);
    EXPECT_EQ(handlesOf(visited),
              (std::vector<uint32_t>{1, 2, 3, 5}));  // the speaker is not stored
    const Bytes& phone = visited.at(0).second;
    EXPECT_EQ(wordAt(phone, 0), 1u);
    EXPECT_EQ(Bytes(phone.begin() + 4, phone.begin() + 10),
              (Bytes{0xC4, 0x21, 0x8A, 0x70, 0xF3, 0x5C}));
    EXPECT_EQ(wordAt(phone, 12), 0x5A020Cu);
    EXPECT_EQ(phone[16], 0xCC);  // -52 dBm
    EXPECT_EQ(phone[19], 1);     // in range
    EXPECT_EQ(wordAt(phone, 20), 7u);
    EXPECT_STREQ(reinterpret_cast<const char*>(&phone[24]), "Nova Phone");
    const Bytes& watch = visited.at(3).second;
    EXPECT_EQ(watch[10], 1);  // paired
    EXPECT_EQ(watch[19], 0);  // out of range
    EXPECT_EQ(phone[18], 0);  // not connected

    EXPECT_EQ(handlesOf(enumerate(0, 1)), (std::vector<uint32_t>{5}));         // paired
    EXPECT_EQ(handlesOf(enumerate(0x000500, 0)), (std::vector<uint32_t>{3}));  // peripherals
    EXPECT_EQ(onDevice("enum_remote_device", 999).u(1), 0u);
}

TEST_F(Devices, AFullEnumerationSkipsDevicesForgottenMeanwhile) {
    uint32_t handle =
        callArea("btsdkrmt", "start_enum_remote_device", g_variant_new("(uu)", 0, 0)).u(0);
    EXPECT_EQ(onDevice("enum_remote_device", handle).u(1), 1u);
    EXPECT_EQ(onDevice("delete_remote_device_by_handle", 2).u(0), 0u);
    EXPECT_EQ(onDevice("enum_remote_device", handle).u(1), 3u);
}

TEST_F(Devices, AddAndDeleteKeepHandlesStable) {
    EXPECT_EQ(stored(0, 10), (std::vector<uint32_t>{1, 2, 3, 5}));
    EXPECT_EQ(stored(0, 2), (std::vector<uint32_t>{1, 2}));
    EXPECT_EQ(stored(0x000700, 10), (std::vector<uint32_t>{5}));  // wearables

    EXPECT_EQ(add({0x30, 0x20, 0x10, 0x44, 0x0D, 0x00}), bttest::kSpeaker);  // now stored
    Bytes fresh = {1, 2, 3, 4, 5, 6};
    uint32_t added = add(fresh);
    EXPECT_NE(added, 0u);
    EXPECT_EQ(std::set<uint32_t>({1, 2, 3, 4, 5}).count(added), 0u);
    EXPECT_EQ(add(fresh), added);
    EXPECT_EQ(add({1, 2, 3}), 0u);
    Answer address = onDevice("get_remote_device_address", added);
    EXPECT_EQ(address.ay(0), fresh);
    EXPECT_EQ(address.u(1), 0u);
    EXPECT_EQ(stored(0, 10), (std::vector<uint32_t>{1, 2, 3, 4, 5, added}));

    EXPECT_EQ(onDevice("delete_remote_device_by_handle", bttest::kWatch).u(0), 0u);
    EXPECT_EQ(onDevice("delete_remote_device_by_handle", bttest::kWatch).u(0), 4u);
    EXPECT_EQ(onDevice("is_device_paired", bttest::kWatch).u(1), 4u);
    EXPECT_EQ(stored(0, 10), (std::vector<uint32_t>{1, 2, 3, 4, added}));
    // Added again, it is the same device, no longer paired.
    EXPECT_EQ(add({0x77, 0x88, 0x99, 0x44, 0x0D, 0x00}), bttest::kWatch);
    Answer paired = onDevice("is_device_paired", bttest::kWatch);
    EXPECT_EQ(paired.u(0), 0u);
    EXPECT_EQ(paired.u(1), 0u);
}

TEST_F(Devices, NameUpdateTakesTheDevicesWhileAndCanBeCancelled) {
    EXPECT_EQ(onDevice("get_remote_device_name", bttest::kLaptop).s(0), "Work Laptop");
    auto begin = Clock::now();
    Answer updated = onDevice("update_remote_device_name", bttest::kPhone);
    EXPECT_GE(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - begin).count(),
              140);  // NameDelay=150
    EXPECT_EQ(updated.s(0), "Nova Phone");
    EXPECT_EQ(updated.u(1), 0u);

    auto pending = bttest::callLater("btsdkrmt", "update_remote_device_name",
                                     g_variant_new("(u)", bttest::kPhone));
    ASSERT_TRUE(corvtest::waitFor([&] { return service.calls().size() >= 3; }));
    EXPECT_EQ(onDevice("cancel_update_remote_device_name", bttest::kPhone).u(0), 0u);
    Answer cancelled = pending.get();
    EXPECT_EQ(cancelled.s(0), "");
    EXPECT_EQ(cancelled.u(1), 8u);
    EXPECT_EQ(onDevice("cancel_update_remote_device_name", bttest::kPhone).u(0), 1u);  // none runs

    Answer away = onDevice("update_remote_device_name", bttest::kWatch);
    EXPECT_EQ(away.u(1), 5u);
    EXPECT_EQ(onDevice("update_remote_device_name", 77).u(1), 4u);
}

TEST_F(Devices, PropertiesOfTheDeviceAndItsLink) {
    // Signal strength and role are the link's: read only while it is up.
    EXPECT_EQ(onDevice("get_remote_rssi", bttest::kPhone).u(1), 10u);
    EXPECT_EQ(onDevice("get_remote_device_role", bttest::kLaptop).u(1), 10u);
    EXPECT_EQ(onDevice("get_remote_rssi", bttest::kWatch).u(1), 5u);
    for (const char* device : {"phone", "laptop"})
        ASSERT_TRUE(bttest::control("SetConnected", g_variant_new("(sb)", device, TRUE)).ok());
    Answer rssi = onDevice("get_remote_rssi", bttest::kPhone);
    EXPECT_EQ(rssi.u(0), 0xCCu);
    EXPECT_EQ(rssi.u(1), 0u);
    EXPECT_EQ(onDevice("get_remote_device_class", bttest::kLaptop).u(0), 0x1A010Cu);
    // The phone opened its link, so the local adapter is slave; on the laptop's links it
    // is master by the scenario (LocalRole=master).
    EXPECT_EQ(onDevice("get_remote_device_role", bttest::kPhone).u(0), 1u);
    EXPECT_EQ(onDevice("get_remote_device_role", bttest::kLaptop).u(0), 0u);
    EXPECT_EQ(callArea("btsdkrmt", "switch_role", g_variant_new("(uu)", 2, 1)).u(0), 0u);
    EXPECT_EQ(callArea("btsdkrmt", "switch_role", g_variant_new("(uu)", 2, 2)).u(0), 2u);
    EXPECT_EQ(onDevice("get_remote_device_role", bttest::kLaptop).u(0), 1u);
    EXPECT_EQ(onDevice("get_remote_device_param", bttest::kPhone).u(0), 7u);
    EXPECT_EQ(
        callArea("btsdkrmt", "set_remote_device_param", g_variant_new("(uu)", 1, 0xABCD)).u(0), 0u);
    EXPECT_EQ(onDevice("get_remote_device_param", bttest::kPhone).u(0), 0xABCDu);
    EXPECT_EQ(onDevice("get_remote_device_class", 0).u(1), 4u);
}

TEST_F(Devices, SetConnectedHoldsALinkWithNoConnection) {
    EXPECT_EQ(onDevice("is_device_connected", bttest::kPhone).u(0), 0u);
    ASSERT_TRUE(bttest::control("SetConnected", g_variant_new("(sb)", "phone", TRUE)).ok());
    EXPECT_EQ(onDevice("is_device_connected", bttest::kPhone).u(0), 1u);
    auto connected = enumerate(0, 2);
    ASSERT_EQ(handlesOf(connected), (std::vector<uint32_t>{bttest::kPhone}));
    EXPECT_EQ(connected[0].second[18], 1);  // connected
    EXPECT_EQ(connected[0].second[17], 1);  // the local adapter is slave: the phone opened it
    ASSERT_TRUE(bttest::control("SetConnected", g_variant_new("(sb)", "phone", FALSE)).ok());
    EXPECT_EQ(onDevice("is_device_connected", bttest::kPhone).u(0), 0u);
    EXPECT_TRUE(enumerate(0, 2).empty());
    EXPECT_EQ(onDevice("remote_device_flow_statistic", 99).u(2), 4u);
}

}  // namespace
