// Remote services of services_fast.ini: a service search takes the scenario's while and
// makes the device's services enumerable; records and extension blocks of HID and PnP.
#include <chrono>

#include "service_world.h"

using namespace bttest;
using Clock = std::chrono::steady_clock;

namespace {

using RemoteServices = ServiceWorld;

Answer browse(uint32_t device, uint32_t capacity) {
    return callArea("btsdksvc", "browse_remote_service", g_variant_new("(uu)", device, capacity));
}

// Every service an enumeration of the device visits, with its record.
std::vector<std::pair<uint32_t, Bytes>> enumerate(uint32_t device) {
    uint32_t handle =
        callArea("btsdksvc", "start_enum_remote_service", g_variant_new("(u)", device)).u(0);
    EXPECT_NE(handle, 0u);
    std::vector<std::pair<uint32_t, Bytes>> visited;
    for (int guard = 0; guard < 20; ++guard) {
        Answer next = callArea("btsdksvc", "enum_remote_service", g_variant_new("(u)", handle));
        EXPECT_EQ(next.ay(0).size(), 96u);
        if (next.u(1) == 0)
            break;
        visited.emplace_back(next.u(1), next.ay(0));
    }
    auto end = [handle] {
        return callArea("btsdksvc", "end_enum_remote_service", g_variant_new("(u)", handle)).u(0);
    };
    EXPECT_EQ(end(), 0u);
    EXPECT_EQ(end(), 4u);  // gone
    return visited;
}

Answer attributes(uint32_t service, uint16_t mask) {
    Bytes request(96, 0);
    request[0] = static_cast<uint8_t>(mask);
    return callArea("btsdksvc", "get_remote_service_attributes",
                    g_variant_new("(u@ay)", service, bytes(request)));
}

TEST_F(RemoteServices, SearchTakesItsWhileThenTheServicesAreEnumerated) {
    EXPECT_TRUE(enumerate(kPhone).empty());  // not searched yet
    auto start = Clock::now();
    Answer found = browse(kPhone, 10);
    auto tookMs =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    EXPECT_GE(tookMs, 150);
    ASSERT_EQ(found.u(2), 0u);
    EXPECT_EQ(found.u(1), 4u);
    EXPECT_EQ(handleList(found.ay(0)),
              (std::vector<uint32_t>{kPhoneFtp, kPhoneOpp, kPhoneDun, kPhoneSpp}));

    auto visited = enumerate(kPhone);
    ASSERT_EQ(visited.size(), 4u);
    const Bytes& ftp = visited[0].second;
    EXPECT_EQ(visited[0].first, kPhoneFtp);
    EXPECT_EQ(word16(ftp, 2), 0x1106);
    EXPECT_EQ(word32(ftp, 4), kPhoneFtp);
    EXPECT_EQ(textAt(ftp, 8, 80), "OBEX File Transfer");
    EXPECT_EQ(word16(visited[3].second, 2), 0x1101);
    EXPECT_TRUE(enumerate(kLaptop).empty());  // each device is searched on its own

    service.reset();
    EXPECT_TRUE(enumerate(kPhone).empty());
}

TEST_F(RemoteServices, CapacityLimitsTheHandlesAndZeroAsksForTheCount) {
    Answer two = browse(kPhone, 2);
    EXPECT_EQ(two.u(1), 2u);
    EXPECT_EQ(handleList(two.ay(0)), (std::vector<uint32_t>{kPhoneFtp, kPhoneOpp}));
    Answer none = browse(kPhone, 0);
    EXPECT_EQ(none.u(2), 0u);
    EXPECT_EQ(none.u(1), 4u);
    EXPECT_TRUE(none.ay(0).empty());
}

TEST_F(RemoteServices, SearchFailsOnDevicesOutOfRangeOrUnknown) {
    Answer away = browse(kWatch, 10);
    EXPECT_EQ(away.u(2), 5u);
    EXPECT_EQ(away.u(1), 0u);
    EXPECT_TRUE(enumerate(kWatch).empty());
    EXPECT_EQ(browse(999, 10).u(2), 4u);
    EXPECT_EQ(callArea("btsdksvc", "start_enum_remote_service", g_variant_new("(u)", 999u)).u(0),
              0u);
}

TEST_F(RemoteServices, ExtensionBlocksOfHidAndPnp) {
    auto size = [](uint32_t handle) {
        return callArea("btsdksvc", "get_remote_service_ext_attr_size", g_variant_new("(u)", handle))
            .u(0);
    };
    EXPECT_EQ(size(kLaptopHid), 16u);
    EXPECT_EQ(size(kLaptopPnp), 18u);
    EXPECT_EQ(size(kPhoneFtp), 0u);
    EXPECT_EQ(size(999), 0u);

    Answer hid = attributes(kLaptopHid, 0x0002);
    ASSERT_EQ(hid.u(1), 0u);
    Bytes block = hid.ay(0);
    ASSERT_EQ(block.size(), 96u + 16u);
    EXPECT_EQ(word16(block, 2), 0x1124);
    EXPECT_EQ(word32(block, 96), 16u);  // the block's own length
    EXPECT_EQ(attributes(kLaptopHid, 0).ay(0).size(), 96u);

    Bytes pnp = attributes(kLaptopPnp, 0x0002).ay(0);
    ASSERT_EQ(pnp.size(), 96u + 18u);
    EXPECT_EQ(word16(pnp, 96 + 6), 0x0103);
    EXPECT_EQ(word16(pnp, 96 + 8), 0x046D);
    EXPECT_EQ(word16(pnp, 96 + 10), 0xB309);
    EXPECT_EQ(word16(pnp, 96 + 12), 0x0100);
    EXPECT_EQ(pnp.at(96 + 14), 1);
    EXPECT_EQ(word16(pnp, 96 + 16), 0x0002);
    EXPECT_EQ(attributes(999, 0x0002).u(1), 4u);
}

}  // namespace
