// The operations that fill a buffer of a size the caller gives, each given less room than
// its answer needs, inside a larger guarded buffer: nothing is written past the size given,
// and a name cut to it is cut between whole UTF-8 characters. Against the stand-in's world
// with long multibyte adapter and device names.
#include <glib.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "corvclient/btsdk.h"
#include "harness.h"
#include "sdk_test_util.h"
#include "temporary_dir.h"

namespace {

constexpr BTDEVHDL kPhone = 1;  // the world's one device, and its service
constexpr BTSVCHDL kPhoneFtp = 2;
constexpr BTUINT8 kCanary = 0xA5;
constexpr size_t kGuard = 64;

// Whole characters of one, two and three bytes, repeated to 250 bytes at most.
std::string longName() {
    const std::string piece = "Grüße aus Köln ✓ 日本 ";
    std::string name;
    while (name.size() + piece.size() <= 251) name += piece;
    name.pop_back();  // no trailing space, which a settings line would lose
    return name;
}

std::string scenario(const std::string& name) {
    return "[Adapter]\nName=" + name +
           "\nAddress=00:1B:DC:0F:3A:55\nClass=0x3E010C\nPowered=true\n"
           "[Device phone]\nName=" + name +
           "\nAddress=5C:F3:70:8A:21:C4\nClass=0x5A020C\nNameDelay=10\n"
           "[Service phone/ftp]\nClass=0x1106\nName=OBEX File Transfer\n";
}

// The longest prefix of whole characters of the name that fits in `room` bytes.
std::string fitting(const std::string& name, size_t room) {
    std::string prefix;
    for (const char* at = name.c_str(); *at;) {
        const char* next = g_utf8_next_char(at);
        if (prefix.size() + static_cast<size_t>(next - at) > room) break;
        prefix.append(at, next);
        at = next;
    }
    return prefix;
}

class OutBuffers : public corvtest::ServiceTest {
protected:
    const std::string name = longName();
    std::string folder;

    void SetUp() override {
        folder = corvtest::makeTemporaryDir("corvtest-outbuffers");
        std::ofstream(folder + "/world.ini") << scenario(name);
        service.loadScenario(folder + "/world.ini");
    }
    void TearDown() override {
        service.loadScenario(CORVANE_SCENARIOS_DIR "/default.ini");
        std::filesystem::remove_all(folder);
    }

    // Calls the operation on a buffer of `given` bytes with canaries after it; returns the
    // bytes given, after checking that no canary was touched.
    template <typename Operation>
    std::vector<BTUINT8> guarded(size_t given, Operation operation) {
        std::vector<BTUINT8> buffer(given + kGuard, kCanary);
        operation(buffer.data());
        for (size_t i = given; i < buffer.size(); ++i)
            EXPECT_EQ(buffer[i], kCanary) << "written at " << i << " of " << given << " given";
        buffer.resize(given);
        return buffer;
    }
};

// A byte-array literal in GVariant text.
std::string bytesOf(const std::string& text) {
    std::string literal = "@ay [";
    for (unsigned char c : text) literal += std::to_string(c) + ",";
    literal.back() = ']';
    return literal;
}

// Each name operation with every room from none to past a few characters of each width.
TEST_F(OutBuffers, NamesAreCutToTheGivenLengthBetweenWholeCharacters) {
    // A hands-free identifier comes as bytes and a length: here 60 bytes of the name.
    const std::string identifier = fitting(name, 60);
    service.setReply("btsdkhfp", "hfap_get_manufacturer_id",
                     corvtest::replyWith("(" + bytesOf(identifier) + ", uint32 " +
                                         std::to_string(identifier.size()) + ", uint32 0)"));
    enum class Rest { Terminated, Zeroed, Untouched };  // what follows the name's bytes
    struct Case {
        const char* operation;
        Rest rest;
        std::function<BTRESULT(BTUINT8* buffer, BTUINT16* len)> call;
    };
    const Case cases[] = {
        {"Btsdk_GetLocalName", Rest::Terminated, Btsdk_GetLocalName},
        {"Btsdk_GetRemoteDeviceName", Rest::Zeroed,
         [](BTUINT8* b, BTUINT16* len) { return Btsdk_GetRemoteDeviceName(kPhone, b, len); }},
        {"Btsdk_UpdateRemoteDeviceName", Rest::Zeroed,
         [](BTUINT8* b, BTUINT16* len) { return Btsdk_UpdateRemoteDeviceName(kPhone, b, len); }},
        {"Btsdk_HFAP_GetManufacturerID", Rest::Untouched,
         [](BTUINT8* b, BTUINT16* len) { return Btsdk_HFAP_GetManufacturerID(1, b, len); }},
    };
    for (const Case& c : cases) {
        for (BTUINT16 given = 0; given <= 40; ++given) {
            SCOPED_TRACE(std::string(c.operation) + " given " + std::to_string(given));
            const bool terminated = c.rest == Rest::Terminated;
            const std::string expected = fitting(name, terminated && given ? given - 1 : given);
            BTUINT16 len = given;
            std::vector<BTUINT8> got = guarded(
                given, [&](BTUINT8* buffer) { ASSERT_EQ(c.call(buffer, &len), BTSDK_OK); });
            const char* text = reinterpret_cast<const char*>(got.data());
            if (terminated) {
                EXPECT_EQ(std::string(text, strnlen(text, given)), expected);
                EXPECT_EQ(len, given);  // the size, left as it was
                continue;
            }
            ASSERT_EQ(len, expected.size());
            EXPECT_EQ(std::string(text, len), expected);
            for (size_t i = len; i < given; ++i)
                EXPECT_EQ(got[i], c.rest == Rest::Zeroed ? 0 : kCanary) << i;
        }
    }
}

// Every list operation given room for one handle while the service answers three.
TEST_F(OutBuffers, HandleListsTakeNoMoreThanTheGivenCount) {
    const std::string three = "@ay [1,0,0,0, 2,0,0,0, 3,0,0,0]";
    struct Case {
        const char* area;
        const char* method;
        std::string reply;
        std::function<void(BTUINT32* handles)> call;  // gives room for one handle
    };
    const Case cases[] = {
        {"btsdkrmt", "get_stored_devices_by_class", "(uint32 3, " + three + ", uint32 3)",
         [](BTUINT32* h) { Btsdk_GetStoredDevicesByClass(0, h, 1); }},
        {"btsdkconn", "get_all_outgoing_connections", "(" + three + ", uint32 3)",
         [](BTUINT32* h) { Btsdk_GetAllOutgoingConnections(h, 1); }},
        {"btsdkconn", "get_all_incoming_connections", "(" + three + ", uint32 3)",
         [](BTUINT32* h) { Btsdk_GetAllIncomingConnections(h, 1); }},
        {"btsdkshc", "get_all_shortcuts", "(uint32 3, " + three + ", uint32 0)",
         [](BTUINT32* h) { Btsdk_GetAllShortCuts(h, 1); }},
        {"btsdkshc", "get_shortcut_by_device_handle", "(uint32 3, " + three + ", uint32 0)",
         [](BTUINT32* h) { Btsdk_GetShortCutByDeviceHandle(kPhone, 0x1106, h, 1); }},
        {"btsdkshc", "get_shortcut_by_service_handle", "(uint32 0, " + three + ", uint32 3)",
         [](BTUINT32* h) { Btsdk_GetShortCutByServiceHandle(kPhone, kPhoneFtp, h, 1); }},
        {"btsdkshc", "get_shortcut_by_service_class", "(uint32 3, " + three + ", uint32 0)",
         [](BTUINT32* h) { Btsdk_GetShortCutByServiceClass(0x1106, h, 1); }},
        {"btsdkshc", "get_shortcut_by_device_class", "(uint32 3, " + three + ", uint32 0)",
         [](BTUINT32* h) { Btsdk_GetShortCutByDeviceClass(0x5A020C, h, 1); }},
        {"btsdkshc", "get_shortcut_by_connection_handle", "(uint32 3, " + three + ", uint32 0)",
         [](BTUINT32* h) { Btsdk_GetShortCutByConnectionHandle(1, h, 1); }},
        {"btsdksvc", "get_local_servers", "(uint32 3, " + three + ", uint32 0)",
         [](BTUINT32* h) {
             BTUINT32 count = 1;
             Btsdk_GetLocalServers(h, &count);
         }},
        {"btsdksvc", "browse_remote_service", "(" + three + ", uint32 3, uint32 0)",
         [](BTUINT32* h) {
             BTUINT32 count = 1;
             EXPECT_EQ(Btsdk_BrowseRemoteServices(kPhone, h, &count), BTSDK_OK);
             EXPECT_EQ(count, 1u);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.method);
        service.setReply(c.area, c.method, corvtest::replyWith(c.reply));
        std::vector<BTUINT8> got = guarded(sizeof(BTUINT32), [&](BTUINT8* buffer) {
            c.call(reinterpret_cast<BTUINT32*>(buffer));
        });
        EXPECT_EQ(got, (std::vector<BTUINT8>{1, 0, 0, 0}));  // the first handle alone
    }
}

// A shortcut's profile-attribute block read with room for less than the stored block.
TEST_F(OutBuffers, AShortcutBlockTakesNoMoreThanTheGivenLength) {
    BTUINT8 stored[40];
    for (int i = 0; i < 40; ++i) stored[i] = static_cast<BTUINT8>(i + 1);
    BtsdkShortcutProperty p{};
    p.device = kPhone;
    p.service = kPhoneFtp;
    p.service_class = 0x1106;
    p.mask = 13 | BTSDK_SHC_MASK_ATTRIBUTES;
    std::strcpy(p.name, "Phone files");
    p.attr_len = sizeof stored;
    p.attributes = stored;
    ASSERT_EQ(Btsdk_CreateShortCutEx(&p), BTSDK_OK);
    BTSHCHDL shortcut = 0;
    ASSERT_EQ(Btsdk_GetShortCutByServiceHandle(kPhone, kPhoneFtp, &shortcut, 1), 1u);

    std::vector<BTUINT8> got = guarded(10, [&](BTUINT8* buffer) {
        BtsdkShortcutProperty read{};
        read.shortcut = shortcut;
        read.mask = BTSDK_SHC_MASK_ATTRIBUTES;
        read.attr_len = 10;
        read.attributes = buffer;
        ASSERT_EQ(Btsdk_GetShortCutProperty(&read), BTSDK_SHC_RESULT_PARTIAL);  // the block is cut
        EXPECT_EQ(read.attr_len, sizeof stored);  // tells the length the block needs
    });
    EXPECT_EQ(got, std::vector<BTUINT8>(stored, stored + 10));
}

}  // namespace
