#include "status_world.h"

#include "service_world.h"

namespace bttest::status {

LinkRecord recordOf(uint32_t connection) {
    Answer answer =
        callArea("btsdkconn", "get_connection_property", g_variant_new("(u)", connection));
    EXPECT_EQ(answer.u(1), 0u) << "connection " << connection;
    Bytes image = answer.ay(0);
    if (image.size() != 28) {
        ADD_FAILURE() << "a record of " << image.size() << " bytes";
        return {};
    }
    return {word32(image, 0),  word32(image, 4),  word32(image, 8), word16(image, 12),
            word32(image, 16), word32(image, 20), word32(image, 24)};
}

std::pair<uint32_t, uint32_t> flowOf(uint32_t device) {
    Answer answer = onDevice("remote_device_flow_statistic", device);
    EXPECT_EQ(answer.u(2), 0u);
    return {answer.u(0), answer.u(1)};
}

bool isConnected(uint32_t device) {
    return onDevice("is_device_connected", device).u(0) != 0;
}

uint32_t serverStatus(uint32_t server) {
    return callArea("btsdksvc", "get_server_status", g_variant_new("(u)", server)).u(0);
}

std::vector<uint32_t> incomingConnections() {
    Answer answer =
        callArea("btsdkconn", "get_all_incoming_connections", g_variant_new("(u)", 32u));
    return handleList(answer.ay(0));
}

Answer onDevice(const char* method, uint32_t device) {
    return callArea("btsdkrmt", method, g_variant_new("(u)", device));
}

Answer disconnect(uint32_t connection) {
    return callArea("btsdkconn", "disconnect", g_variant_new("(u)", connection));
}

}  // namespace bttest::status
