// Connections of services_fast.ini: made after the scenario's while or refused, property
// records whose duration grows, lists and enumerations, and links that remote
// devices open to local servers or that drop.
#include "connection_events.h"
#include "service_world.h"

using bttest::Answer;
using bttest::Bytes;
using bttest::callArea;
using bttest::ConnectionEvent;
using bttest::control;
using bttest::eventsOf;
using bttest::handleList;
using bttest::kCallbacks;
using bttest::SignalRecorder;
using bttest::word16;
using bttest::word32;

namespace {

Answer connect(uint32_t device, uint32_t serviceClass) {
    return callArea("btsdkconn", "connect", g_variant_new("(uu)", device, serviceClass));
}

Answer onConnection(const char* method, uint32_t connection) {
    return callArea("btsdkconn", method, g_variant_new("(u)", connection));
}

Bytes property(uint32_t connection) {
    Answer answer = onConnection("get_connection_property", connection);
    EXPECT_EQ(answer.u(1), 0u);
    return answer.ay(0);
}

std::vector<uint32_t> listed(const char* method, uint32_t max) {
    Answer answer = callArea("btsdkconn", method, g_variant_new("(u)", max));
    std::vector<uint32_t> handles = handleList(answer.ay(0));
    EXPECT_EQ(answer.u(1), handles.size());
    return handles;
}

uint32_t serverStatus(uint32_t server) {
    return callArea("btsdksvc", "get_server_status", g_variant_new("(u)", server)).u(0);
}

class Connections : public bttest::ServiceWorld {};

TEST_F(Connections, ComeUpAfterTheirWhileWithGrowingRecords) {
    gint64 before = g_get_monotonic_time();
    Answer made = connect(bttest::kPhone, 0x1106);
    EXPECT_GE(g_get_monotonic_time() - before, 90 * 1000);  // Connect=100 in the scenario
    ASSERT_EQ(made.u(1), 0u);
    uint32_t connection = made.u(0);
    ASSERT_NE(connection, 0u);

    Bytes first = property(connection);
    ASSERT_EQ(first.size(), 28u);
    EXPECT_EQ(word32(first, 0), 0u);  // outgoing
    EXPECT_EQ(word32(first, 4), bttest::kPhone);
    EXPECT_EQ(word32(first, 8), bttest::kPhoneFtp);
    EXPECT_EQ(word16(first, 12), 0x1106);
    // The duration grows in milliseconds; a file-transfer link carries only its transfers.
    Bytes later;
    ASSERT_TRUE(corvtest::waitFor([&] {
        later = property(connection);
        return word32(later, 16) >= word32(first, 16) + 100;
    }));
    EXPECT_EQ(word32(later, 20), 0u);  // received
    EXPECT_EQ(word32(later, 24), 0u);  // sent

    EXPECT_EQ(onConnection("get_server_port", connection).u(0), 0u);  // not serial
    EXPECT_EQ(onConnection("get_acl_handle", connection).u(0), 0x80u + bttest::kPhone);
    EXPECT_EQ(onConnection("disconnect", connection).u(0), 0u);
    EXPECT_EQ(onConnection("disconnect", connection).u(0), 4u);
    EXPECT_EQ(onConnection("get_connection_property", connection).u(1), 4u);
}

TEST_F(Connections, RefusedForUnknownAbsentOrUnreachableServices) {
    EXPECT_EQ(connect(999, 0x1106).u(1), 4u);
    EXPECT_EQ(connect(bttest::kWatch, 0x1101).u(1), 5u);   // out of range
    EXPECT_EQ(connect(bttest::kLaptop, 0x1116).u(1), 1u);  // marked unreachable
    EXPECT_EQ(connect(bttest::kLaptop, 0x1106).u(1), 9u);  // no such service
    EXPECT_EQ(connect(bttest::kLaptop, 0x1106).u(0), 0u);
    EXPECT_TRUE(listed("get_all_outgoing_connections", 10).empty());
}

TEST_F(Connections, ExtendedConnectAnnouncesItsCompletion) {
    SignalRecorder complete("com.zel.corvane.btservice.btsdkconn", "signal_connect_ex_complete");
    Answer made = callArea("btsdkconn", "connect_ex",
                           g_variant_new("(uu@ay)", bttest::kPhone, 0x1101u, bttest::bytes(Bytes(8, 0))));
    ASSERT_EQ(made.u(1), 0u);
    ASSERT_TRUE(complete.waitForCount(1));
    std::vector<GVariant*> signals = complete.take();
    uint32_t connection = 0, result = 99;
    g_variant_get(signals[0], "(uu)", &connection, &result);
    g_variant_unref(signals[0]);
    EXPECT_EQ(connection, made.u(0));
    EXPECT_EQ(result, 0u);
    // Serial-type connections get COM ports in turn.
    uint32_t second = connect(bttest::kPhone, 0x1103).u(0);
    EXPECT_EQ(onConnection("get_server_port", connection).u(0), 3u);
    EXPECT_EQ(onConnection("get_server_port", second).u(0), 4u);
}

TEST_F(Connections, ListsAndEnumerationsFollowTheConnectionsThatLast) {
    uint32_t a = connect(bttest::kPhone, 0x1106).u(0);
    uint32_t b = connect(bttest::kPhone, 0x1105).u(0);
    uint32_t c = connect(bttest::kLaptop, 0x1124).u(0);
    ASSERT_TRUE(a && b && c);
    EXPECT_EQ(listed("get_all_outgoing_connections", 10), (std::vector<uint32_t>{a, b, c}));
    EXPECT_EQ(listed("get_all_outgoing_connections", 2), (std::vector<uint32_t>{a, b}));
    EXPECT_TRUE(listed("get_all_incoming_connections", 10).empty());

    uint32_t enumeration = callArea("btsdkconn", "start_enum_connection").u(0);
    ASSERT_NE(enumeration, 0u);
    EXPECT_EQ(onConnection("disconnect", b).u(0), 0u);  // ended while enumerated: skipped
    std::vector<uint32_t> visited;
    for (int guard = 0; guard < 10; ++guard) {
        Answer next = onConnection("enum_connection", enumeration);
        if (next.u(1) == 0) {
            EXPECT_EQ(next.ay(0), Bytes(28, 0));
            break;
        }
        EXPECT_EQ(word32(next.ay(0), 4), next.u(1) == c ? bttest::kLaptop : bttest::kPhone);
        visited.push_back(next.u(1));
    }
    EXPECT_EQ(visited, (std::vector<uint32_t>{a, c}));
    EXPECT_EQ(onConnection("end_enum_connection", enumeration).i32(0), 0);
    EXPECT_EQ(onConnection("end_enum_connection", enumeration).i32(0), 4);
}

TEST_F(Connections, IncomingConnectionsKeepTheirServerInUseUntilTheyDrop) {
    SignalRecorder events(kCallbacks, "connection_event_ind");
    Answer refused = control("ConnectToServer", g_variant_new("(su)", "laptop", bttest::kServerSpp));
    EXPECT_FALSE(refused.ok());  // the serial server is stopped
    ASSERT_TRUE(control("ConnectToServer", g_variant_new("(su)", "laptop", bttest::kServerFtp)).ok());
    ASSERT_TRUE(control("ConnectToServer", g_variant_new("(su)", "phone", bttest::kServerFtp)).ok());
    ASSERT_TRUE(events.waitForCount(2));
    std::vector<ConnectionEvent> up = eventsOf(events);
    EXPECT_EQ(up[0].event, 1u);
    EXPECT_EQ(word32(up[0].record, 0), 1u);  // incoming
    EXPECT_EQ(word32(up[0].record, 4), bttest::kLaptop);
    EXPECT_EQ(word32(up[0].record, 8), bttest::kServerFtp);
    EXPECT_EQ(listed("get_all_incoming_connections", 10),
              (std::vector<uint32_t>{up[0].connection, up[1].connection}));
    EXPECT_EQ(serverStatus(bttest::kServerFtp), 3u);

    // One link drops: the server stays in use for the other.
    ASSERT_TRUE(control("DropConnection", g_variant_new("(u)", up[0].connection)).ok());
    ASSERT_TRUE(events.waitForCount(1));
    std::vector<ConnectionEvent> dropped = eventsOf(events);
    EXPECT_EQ(dropped[0].connection, up[0].connection);
    EXPECT_EQ(dropped[0].event, 2u);
    EXPECT_EQ(word32(dropped[0].record, 4), bttest::kLaptop);
    EXPECT_EQ(serverStatus(bttest::kServerFtp), 3u);
    EXPECT_FALSE(control("DropConnection", g_variant_new("(u)", up[0].connection)).ok());

    // Stopping the server drops the rest.
    EXPECT_EQ(callArea("btsdksvc", "stop_server", g_variant_new("(u)", bttest::kServerFtp)).u(0), 0u);
    ASSERT_TRUE(events.waitForCount(1));
    EXPECT_EQ(eventsOf(events)[0].connection, up[1].connection);
    EXPECT_TRUE(listed("get_all_incoming_connections", 10).empty());
    EXPECT_EQ(serverStatus(bttest::kServerFtp), 2u);
}

TEST_F(Connections, TheLastIncomingLinkFreesTheServer) {
    ASSERT_TRUE(control("ConnectToServer", g_variant_new("(su)", "phone", bttest::kServerFtp)).ok());
    std::vector<uint32_t> incoming = listed("get_all_incoming_connections", 10);
    ASSERT_EQ(incoming.size(), 1u);
    EXPECT_EQ(onConnection("disconnect", incoming[0]).u(0), 0u);
    EXPECT_EQ(serverStatus(bttest::kServerFtp), 1u);
}

}  // namespace

// Every client hears of a connection that another client makes or ends, however it was
// made or ended, so views such as the manager's follow them; a refused disconnect is not told.
TEST_F(Connections, ClientsHearOfConnectionsOthersMakeAndEnd) {
    SignalRecorder made(kCallbacks, "connection_complete_ind");
    SignalRecorder events(kCallbacks, "connection_event_ind");
    struct Way {
        const char* connect;
        const char* end;
    };
    const Way ways[] = {{"connect", "disconnect"}, {"connect_ex", "disconnect"}};
    for (const Way& way : ways) {
        SCOPED_TRACE(way.connect);
        Answer answer = callArea("btsdkconn", way.connect,
                                 std::string(way.connect) == "connect"
                                     ? g_variant_new("(uu)", bttest::kPhone, 0x1106u)
                                     : g_variant_new("(uu@ay)", bttest::kPhone, 0x1106u,
                                                     bttest::bytes(Bytes(8, 0))));
        ASSERT_EQ(answer.u(1), 0u);
        uint32_t connection = answer.u(0);
        ASSERT_TRUE(made.waitForCount(1));
        std::vector<GVariant*> complete = made.take();
        ASSERT_EQ(complete.size(), 1u);
        guint told = 0;
        g_variant_get(complete[0], "(u)", &told);
        g_variant_unref(complete[0]);
        EXPECT_EQ(told, connection);

        EXPECT_EQ(onConnection(way.end, connection).u(0), 0u);
        EXPECT_EQ(onConnection(way.end, connection).u(0), 4u);
        ASSERT_TRUE(events.waitForCount(1));
        std::vector<ConnectionEvent> ended = eventsOf(events);
        ASSERT_EQ(ended.size(), 1u);
        EXPECT_EQ(ended[0].connection, connection);
        EXPECT_EQ(ended[0].event, 3u);
        EXPECT_EQ(word32(ended[0].record, 4), bttest::kPhone);
    }
    EXPECT_FALSE(events.waitForCount(1, 200));
}
