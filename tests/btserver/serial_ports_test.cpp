// COM ports of serial-type connections on services_fast.ini: the port a connect parameter
// block asks for, the next free one otherwise, and the port of a local serial server.
#include "service_world.h"

using bttest::Answer;
using bttest::Bytes;
using bttest::callArea;

namespace {

// The 8-byte connect parameter block: its size, then the COM port at offset 6.
Bytes portBlock(uint16_t port) {
    Bytes block(8, 0);
    block[0] = 8;
    block[6] = static_cast<uint8_t>(port);
    block[7] = static_cast<uint8_t>(port >> 8);
    return block;
}

uint32_t portOf(uint32_t handle) {
    return callArea("btsdkconn", "get_server_port", g_variant_new("(u)", handle)).u(0);
}

Answer connectEx(uint32_t serviceClass, const Bytes& block) {
    return callArea("btsdkconn", "connect_ex",
                    g_variant_new("(uu@ay)", bttest::kPhone, serviceClass, bttest::bytes(block)));
}

class SerialPorts : public bttest::ServiceWorld {};

TEST_F(SerialPorts, ConnectionsTakeThePortTheirBlockAsksFor) {
    struct Case {
        uint32_t serviceClass;
        Bytes block;
        uint32_t port;
    };
    const Case cases[] = {
        {0x1101, {}, 3},                // no block: the first free port
        {0x1101, portBlock(7), 7},
        {0x1103, portBlock(0x105), 0x105},
        {0x1101, portBlock(0), 4},      // port 0: the next free one
        {0x1106, portBlock(7), 0},      // not serial: no port
    };
    for (const Case& c : cases) {
        Answer made = connectEx(c.serviceClass, c.block);
        ASSERT_EQ(made.u(1), 0u) << std::hex << c.serviceClass;
        EXPECT_EQ(portOf(made.u(0)), c.port) << std::hex << c.serviceClass;
        callArea("btsdkconn", "disconnect", g_variant_new("(u)", made.u(0)));
    }
}

TEST_F(SerialPorts, APortInUseIsRefusedAndSkipped) {
    Answer first = connectEx(0x1101, portBlock(3));
    ASSERT_EQ(first.u(1), 0u);
    EXPECT_EQ(connectEx(0x1103, portBlock(3)).u(1), 3u);  // busy
    Answer next = connectEx(0x1103, {});
    ASSERT_EQ(next.u(1), 0u);
    EXPECT_EQ(portOf(next.u(0)), 4u);
}

TEST_F(SerialPorts, ALocalSerialServerAnswersItsPort) {
    uint32_t server =
        callArea("btsdkspp", "register_spp_service", g_variant_new("(u)", 6u)).u(0);
    ASSERT_NE(server, 0u);
    EXPECT_EQ(portOf(server), 6u);
    EXPECT_EQ(portOf(bttest::kServerSpp), 9u);  // the port its scenario gives
    EXPECT_EQ(portOf(bttest::kServerFtp), 0u);  // not serial
}

}  // namespace
