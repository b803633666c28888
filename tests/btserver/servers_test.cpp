// Local servers of the default scenario: the list and its enumerations, attribute records
// with the extension block of each class, adding and updating a server, start and stop.
#include <cstring>

#include "service_world.h"

using bttest::Answer;
using bttest::Bytes;
using bttest::callArea;
using bttest::handleList;
using bttest::word16;
using bttest::word32;

namespace {

// The servers of default.ini, numbered after its devices and their services.
constexpr uint32_t kFtp = 13, kOpp = 14, kSpp = 15, kPan = 16, kAg = 17;
constexpr uint16_t kMaskSecurity = 0x0002, kMaskExtension = 0x0008;

std::string nameOf(const Bytes& record) { return bttest::textAt(record, 4, 80); }

// A 96-byte record with the mask, the class and optionally the name and security word,
// followed by `extension`.
Bytes record(uint16_t mask, uint16_t serviceClass, const std::string& name = {},
             uint16_t security = 0, const Bytes& extension = {}) {
    Bytes image(96, 0);
    image[0] = static_cast<uint8_t>(mask);
    image[1] = static_cast<uint8_t>(mask >> 8);
    image[2] = static_cast<uint8_t>(serviceClass);
    image[3] = static_cast<uint8_t>(serviceClass >> 8);
    std::memcpy(&image[4], name.data(), name.size());
    image[84] = static_cast<uint8_t>(security);
    image[85] = static_cast<uint8_t>(security >> 8);
    for (uint8_t byte : extension) image.push_back(byte);  // GCC 12 misjudges insert here at -O3
    return image;
}

Answer onServer(const char* method, uint32_t server) {
    return callArea("btsdksvc", method, g_variant_new("(u)", server));
}

Answer attributes(uint32_t server, uint16_t mask) {
    return callArea("btsdksvc", "get_server_attributes",
                    g_variant_new("(u@ay)", server, bttest::bytes(record(mask, 0))));
}

uint32_t status(uint32_t server) {
    Answer answer = onServer("get_server_status", server);
    EXPECT_EQ(answer.u(1), 0u);
    return answer.u(0);
}

// Every server an enumeration visits with the request, with its reply.
std::vector<std::pair<uint32_t, Bytes>> enumerate(const Bytes& request) {
    uint32_t handle = callArea("btsdksvc", "start_enum_local_server").u(0);
    EXPECT_NE(handle, 0u);
    std::vector<std::pair<uint32_t, Bytes>> visited;
    for (int guard = 0; guard < 20; ++guard) {
        Answer next = callArea("btsdksvc", "enum_local_server",
                               g_variant_new("(u@ay)", handle, bttest::bytes(request)));
        if (next.u(1) == 0) {
            EXPECT_TRUE(next.ay(0).empty());
            break;
        }
        visited.emplace_back(next.u(1), next.ay(0));
    }
    EXPECT_EQ(onServer("end_enum_local_server", handle).u(0), 0u);
    EXPECT_EQ(onServer("end_enum_local_server", handle).u(0), 4u);  // gone
    return visited;
}

class Servers : public testing::Test {
protected:
    corvtest::StandInService& service = corvtest::StandInService::instance();
    void SetUp() override { service.reset(); }
};

TEST_F(Servers, ListHoldsEveryServerUpToTheCapacity) {
    Answer all = callArea("btsdksvc", "get_local_servers", g_variant_new("(u)", 10u));
    EXPECT_EQ(all.u(2), 0u);
    ASSERT_EQ(all.u(0), 5u);
    EXPECT_EQ(handleList(all.ay(1)), (std::vector<uint32_t>{kFtp, kOpp, kSpp, kPan, kAg}));

    Answer two = callArea("btsdksvc", "get_local_servers", g_variant_new("(u)", 2u));
    EXPECT_EQ(two.u(0), 2u);
    EXPECT_EQ(two.ay(1).size(), 8u);
}

TEST_F(Servers, EnumerationGivesRecordsWithTheExtensionOfEachClass) {
    auto plain = enumerate(record(0, 0));
    ASSERT_EQ(plain.size(), 5u);
    for (const auto& [handle, reply] : plain) {
        EXPECT_EQ(reply.size(), 96u) << handle;
        EXPECT_EQ(word32(reply, 92), handle);
    }
    EXPECT_EQ(word16(plain[0].second, 2), 0x1106);
    EXPECT_EQ(nameOf(plain[0].second), "File Transfer");

    auto extended = enumerate(record(kMaskExtension, 0));
    std::vector<size_t> sizes;
    for (const auto& item : extended) sizes.push_back(item.second.size() - 96);
    EXPECT_EQ(sizes, (std::vector<size_t>{264, 784, 8, 0, 0}));  // ftp, opp, spp, pan, ag

    auto serial = enumerate(record(kMaskExtension, 0x1101));
    ASSERT_EQ(serial.size(), 1u);
    EXPECT_EQ(serial[0].first, kSpp);
    EXPECT_EQ(serial[0].second.size(), 96u + 8u);
}

TEST_F(Servers, UnknownHandlesAreRefused) {
    EXPECT_EQ(attributes(999, 0).u(1), 4u);
    EXPECT_EQ(onServer("get_server_status", 999).u(1), 4u);
    EXPECT_EQ(onServer("start_server", 999).u(0), 4u);
    EXPECT_EQ(onServer("stop_server", 999).u(0), 4u);
    EXPECT_EQ(callArea("btsdksvc", "update_server_attributes",
                       g_variant_new("(u@ay)", 999u, bttest::bytes(record(0, 0))))
                  .u(0),
              4u);
    Answer pastEnd = callArea("btsdksvc", "enum_local_server",
                              g_variant_new("(u@ay)", 999u, bttest::bytes(record(0, 0))));
    EXPECT_EQ(pastEnd.u(1), 0u);
}

TEST_F(Servers, StatusFollowsStartAndStop) {
    EXPECT_EQ(status(kFtp), 1u);
    EXPECT_EQ(status(kSpp), 2u);
    EXPECT_EQ(onServer("start_server", kSpp).u(0), 0u);
    EXPECT_EQ(status(kSpp), 1u);
    EXPECT_EQ(onServer("stop_server", kFtp).u(0), 0u);
    EXPECT_EQ(status(kFtp), 2u);
    service.reset();
    EXPECT_EQ(status(kFtp), 1u);
    EXPECT_EQ(status(kSpp), 2u);
}

TEST_F(Servers, UpdatedAttributesAreReadBack) {
    Bytes block(784);
    for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<uint8_t>(i * 7);
    Bytes update = record(kMaskSecurity | kMaskExtension, 0x1105, "Inbox", 7, block);
    update[86] = 0x34;  // the second parameter word, copied through
    ASSERT_EQ(callArea("btsdksvc", "update_server_attributes",
                       g_variant_new("(u@ay)", kOpp, bttest::bytes(update)))
                  .u(0),
              0u);
    Answer back = attributes(kOpp, kMaskExtension);
    ASSERT_EQ(back.u(1), 0u);
    Bytes reply = back.ay(0);
    ASSERT_EQ(reply.size(), 96u + 784u);
    EXPECT_EQ(nameOf(reply), "Inbox");
    EXPECT_EQ(word16(reply, 84), 7);
    EXPECT_EQ(word16(reply, 86), 0x34);
    EXPECT_EQ(Bytes(reply.begin() + 96, reply.end()), block);

    // Without the security bit the security word stays; a short record is refused.
    ASSERT_EQ(callArea("btsdksvc", "update_server_attributes",
                       g_variant_new("(u@ay)", kOpp, bttest::bytes(record(0, 0x1105))))
                  .u(0),
              0u);
    EXPECT_EQ(word16(attributes(kOpp, 0).ay(0), 84), 7);
    EXPECT_EQ(callArea("btsdksvc", "update_server_attributes",
                       g_variant_new("(u@ay)", kOpp, bttest::bytes(Bytes(40, 0))))
                  .u(0),
              2u);
}

TEST_F(Servers, AddedServerTakesItsClassFromTheFirstUpdate) {
    Answer added = callArea("btsdksvc", "add_server");
    ASSERT_EQ(added.u(1), 0u);
    Bytes made = added.ay(0);
    ASSERT_EQ(made.size(), 96u);
    uint32_t server = word32(made, 92);
    EXPECT_GT(server, kAg);
    EXPECT_EQ(status(server), 2u);
    EXPECT_EQ(callArea("btsdksvc", "get_local_servers", g_variant_new("(u)", 10u)).u(0), 6u);

    ASSERT_EQ(callArea("btsdksvc", "update_server_attributes",
                       g_variant_new("(u@ay)", server,
                                     bttest::bytes(record(0, 0x1103, "Dial-up"))))
                  .u(0),
              0u);
    Bytes reply = attributes(server, kMaskExtension).ay(0);
    EXPECT_EQ(word16(reply, 2), 0x1103);
    EXPECT_EQ(nameOf(reply), "Dial-up");
    EXPECT_EQ(reply.size(), 96u + 8u);
}

}  // namespace
