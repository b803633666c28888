// The serial-port, dial-up, PAN, hands-free, audio/video and HID areas on services_fast.ini:
// registrations and the servers they make, dials decided by the phone's numbers, requests
// refused before a registration, and the indications that the control interface sends.
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "program_run.h"
#include "service_world.h"

using bttest::Answer;
using bttest::Bytes;
using bttest::callArea;
using bttest::control;
using bttest::handleList;
using bttest::SignalRecorder;
using bttest::word16;

namespace {

constexpr const char* kHandsFree = "com.zel.corvane.btservice.btsdkhfp";

uint32_t onArea(const char* area, const char* method, GVariant* args = nullptr) {
    Answer answer = callArea(area, method, args);
    EXPECT_TRUE(answer.ok()) << method << ": " << answer.message();
    return answer.ok() ? answer.u(0) : UINT32_MAX;
}

std::vector<uint32_t> localServers() {
    Answer answer = callArea("btsdksvc", "get_local_servers", g_variant_new("(u)", 64u));
    return handleList(answer.ay(1));
}

uint32_t serverStatus(uint32_t server) {
    return callArea("btsdksvc", "get_server_status", g_variant_new("(u)", server)).u(0);
}

// The attribute record of the server with its extension block.
Bytes serverRecord(uint32_t server) {
    Bytes request(96, 0);
    request[0] = 0x08;  // mask: the extension block
    Answer answer = callArea("btsdksvc", "get_server_attributes",
                             g_variant_new("(u@ay)", server, bttest::bytes(request)));
    EXPECT_EQ(answer.u(1), 0u);
    return answer.ay(0);
}

// The one signal recorded, checked to have the type.
GVariant* onlySignal(SignalRecorder& recorder, const char* type) {
    EXPECT_TRUE(recorder.waitForCount(1));
    std::vector<GVariant*> all = recorder.take();
    EXPECT_EQ(all.size(), 1u);
    for (size_t i = 1; i < all.size(); ++i) g_variant_unref(all[i]);
    if (all.empty())
        return nullptr;
    EXPECT_STREQ(g_variant_get_type_string(all[0]), type);
    return all[0];
}

std::string printed(GVariant* value) {
    if (!value)
        return {};
    gchar* text = g_variant_print(value, FALSE);
    std::string result = text;
    g_free(text);
    g_variant_unref(value);
    return result;
}

class ProfileAreas : public bttest::ServiceWorld {};

TEST_F(ProfileAreas, SerialPortServersAreKeyedByTheirServer) {
    uint32_t first = onArea("btsdkspp", "register_spp_service", g_variant_new("(u)", 3u));
    uint32_t second = onArea("btsdkspp", "register_spp_service", g_variant_new("(u)", 0x104u));
    ASSERT_NE(first, 0u);
    ASSERT_NE(second, 0u);
    EXPECT_NE(first, second);
    EXPECT_EQ(onArea("btsdkspp", "register_spp_service", g_variant_new("(u)", 3u)), 0u);  // taken
    EXPECT_EQ(onArea("btsdkspp", "register_spp_service", g_variant_new("(u)", 0u)), 0u);

    std::vector<uint32_t> servers = localServers();
    EXPECT_EQ(servers,
              (std::vector<uint32_t>{bttest::kServerFtp, bttest::kServerSpp, first, second}));
    EXPECT_EQ(serverStatus(first), 2u);  // stopped until started
    Bytes record = serverRecord(second);
    ASSERT_EQ(record.size(), 96u + 8u);
    EXPECT_EQ(word16(record, 2), 0x1101);
    EXPECT_EQ(bttest::word32(record, 96), 8u);  // the block's own size
    EXPECT_EQ(word16(record, 96 + 6), 0x104);   // the port

    EXPECT_EQ(onArea("btsdkspp", "unregister_spp_service", g_variant_new("(u)", first)), 0u);
    EXPECT_EQ(onArea("btsdkspp", "unregister_spp_service", g_variant_new("(u)", first)), 4u);
    EXPECT_EQ(
        onArea("btsdkspp", "unregister_spp_service", g_variant_new("(u)", bttest::kServerSpp)),
        4u);  // a server of the scenario is no registration
    EXPECT_EQ(localServers(),
              (std::vector<uint32_t>{bttest::kServerFtp, bttest::kServerSpp, second}));
    // The port is free again; a reset forgets every registration.
    EXPECT_NE(onArea("btsdkspp", "register_spp_service", g_variant_new("(u)", 3u)), 0u);
    service.reset();
    EXPECT_EQ(onArea("btsdkspp", "unregister_spp_service", g_variant_new("(u)", second)), 4u);
}

class DialUp : public bttest::ServiceWorld {
protected:
    void SetUp() override {
        ServiceWorld::SetUp();
        Answer made =
            callArea("btsdkconn", "connect", g_variant_new("(uu)", bttest::kPhone, 0x1103u));
        ASSERT_EQ(made.u(1), 0u);
        connection = made.u(0);
        port = callArea("btsdkconn", "get_server_port", g_variant_new("(u)", connection)).u(0);
        ASSERT_NE(port, 0u);
    }

    // Dials the number through the connection, the other texts given or empty.
    uint32_t dialNumber(const std::string& number, const std::string& user = {}) {
        return dial({"", "", "", user, "", number, "", "ttyB" + std::to_string(port)});
    }

    static uint32_t dial(const std::vector<std::string>& texts) {
        std::vector<uint32_t> lengths;
        std::string joined;
        for (const std::string& text : texts) {
            lengths.push_back(static_cast<uint32_t>(text.size()));
            joined += text;
        }
        return dialRaw(lengths, joined);
    }

    static uint32_t dialRaw(const std::vector<uint32_t>& lengths, const std::string& joined) {
        GVariant* list = g_variant_new_fixed_array(G_VARIANT_TYPE_UINT32, lengths.data(),
                                                   lengths.size(), sizeof(uint32_t));
        return onArea(
            "btsdkdun", "dial",
            g_variant_new("(@au@ay)", list, bttest::bytes(Bytes(joined.begin(), joined.end()))));
    }

    uint32_t connection = 0, port = 0;
};

TEST_F(DialUp, TheSixthTextIsTheNumberThatThePhoneJudges) {
    // A dialable number in another text does not count.
    EXPECT_EQ(dial({"*99#", "*99#", "", "", "", "555", "ATZ", "ttyB" + std::to_string(port)}), 13u);
    EXPECT_EQ(dialNumber("*99***2#", "*99#"), 12u);  // busy
    EXPECT_EQ(dialNumber("*99***1#"), 0u);           // empty texts around it
}

TEST_F(DialUp, LengthsThatDoNotFitTheTextsAreRefused) {
    std::string joined = "10.0.0.1*99#ttyB" + std::to_string(port);
    std::vector<uint32_t> lengths = {8, 0, 0, 0,
                                     0, 4, 0, static_cast<uint32_t>(joined.size() - 12)};
    EXPECT_EQ(dialRaw(lengths, joined + "x"), 2u);                  // one byte left over
    EXPECT_EQ(dialRaw(lengths, joined.substr(1)), 2u);              // one byte short
    EXPECT_EQ(dialRaw({8, 0, 0, 0, 4, 0, 0}, "10.0.0.1*99#"), 2u);  // seven texts
    EXPECT_EQ(dialRaw({UINT32_MAX, 1, 0, 0, 0, 0, 0, 0}, ""), 2u);  // lengths that overflow
    EXPECT_EQ(dialRaw(lengths, joined), 0u);                        // the same texts, split as sent
}

TEST_F(DialUp, OneDialAtATimeUntilItIsHungUp) {
    EXPECT_EQ(onArea("btsdkdun", "hangup"), 10u);  // nothing dialled
    ASSERT_EQ(dialNumber("*99#"), 0u);
    EXPECT_EQ(dialNumber("*99***1#"), 3u);
    EXPECT_EQ(onArea("btsdkdun", "hangup"), 0u);
    EXPECT_EQ(onArea("btsdkdun", "hangup"), 10u);

    ASSERT_EQ(dialNumber("*99#"), 0u);
    EXPECT_EQ(onArea("btsdkdun", "done"), 0u);  // ends the dial
    EXPECT_EQ(onArea("btsdkdun", "hangup"), 10u);

    // A dial needs the connection that its serial device names, and ends with it.
    EXPECT_EQ(dial({"", "", "", "", "", "*99#", "", "ttyB" + std::to_string(port + 1)}), 10u);
    EXPECT_EQ(dial({"", "", "", "", "", "*99#", "", "ttyS" + std::to_string(port)}), 10u);
    ASSERT_EQ(dialNumber("*99#"), 0u);
    EXPECT_EQ(onArea("btsdkconn", "disconnect", g_variant_new("(u)", connection)), 0u);
    EXPECT_EQ(onArea("btsdkdun", "hangup"), 10u);
    EXPECT_EQ(dialNumber("*99#"), 10u);
}

TEST_F(ProfileAreas, DialUpServiceRegistration) {
    EXPECT_EQ(onArea("btsdkdun", "unregister_dun_service"), 11u);
    EXPECT_EQ(onArea("btsdkdun", "register_dun_service", g_variant_new("(u)", 1u)), 0u);
    EXPECT_EQ(onArea("btsdkdun", "unregister_dun_service"), 0u);
    EXPECT_EQ(onArea("btsdkdun", "unregister_dun_service"), 11u);
}

GVariant* panRegistration(uint32_t role, uint32_t length, const Bytes& data) {
    return g_variant_new("(uu@ay)", role, length, bttest::bytes(data));
}

TEST_F(ProfileAreas, PanRolesAndEventsOnlyForAReceiver) {
    EXPECT_EQ(onArea("btsdkpan", "register_pan_service", panRegistration(0x1118, 0, {})), 2u);
    EXPECT_EQ(onArea("btsdkpan", "register_pan_service", panRegistration(0x1117, 2, {1})), 2u);
    EXPECT_EQ(onArea("btsdkpan", "unregister_pan_service"), 11u);
    EXPECT_EQ(onArea("btsdkpan", "register_pan_service", panRegistration(0x1115, 1, {7})), 0u);
    EXPECT_EQ(onArea("btsdkpan", "register_pan_service", panRegistration(0x1117, 0, {})), 0u);
    EXPECT_EQ(onArea("btsdkpan", "unregister_pan_service"), 0u);
    EXPECT_EQ(onArea("btsdkpan", "unregister_pan_service"), 11u);

    SignalRecorder events("com.zel.corvane.btservice.btsdkpan", "signal_pan_event");
    GVariant* event = g_variant_new("(u@ay)", 0x21u, bttest::bytes({1, 2, 3}));
    EXPECT_FALSE(control("PanEvent", g_variant_ref_sink(event)).ok());
    EXPECT_EQ(onArea("btsdkpan", "register_event_cbk"), 0u);
    EXPECT_TRUE(control("PanEvent", event).ok());
    g_variant_unref(event);
    EXPECT_EQ(printed(onlySignal(events, "(uuay)")), "(33, 3, [0x01, 0x02, 0x03])");
}

// Zero values of the method's inputs, the connection as the first.
GVariant* requestArgs(const GDBusMethodInfo* method, uint32_t connection) {
    std::vector<GVariant*> items;
    for (GDBusArgInfo** arg = method->in_args; arg && *arg; ++arg) {
        const char* type = (*arg)->signature;
        if (items.empty())
            items.push_back(g_variant_new_uint32(connection));
        else if (strcmp(type, "ay") == 0)
            items.push_back(bttest::bytes({}));
        else if (strcmp(type, "y") == 0)
            items.push_back(g_variant_new_byte(0));
        else
            items.push_back(g_variant_new_uint32(0));
    }
    return g_variant_new_tuple(items.data(), items.size());
}

// The last output of each request about the connection, by method.
std::map<std::string, uint32_t> requestResults(uint32_t connection) {
    gchar* text = nullptr;
    EXPECT_TRUE(
        g_file_get_contents(CORVANE_INTERFACES_DIR "/btsdkhfp.xml", &text, nullptr, nullptr));
    GDBusNodeInfo* node = g_dbus_node_info_new_for_xml(text ? text : "", nullptr);
    g_free(text);
    std::map<std::string, uint32_t> results;
    for (GDBusMethodInfo** method = node ? node->interfaces[0]->methods : nullptr;
         method && *method; ++method) {
        GDBusArgInfo** in = (*method)->in_args;
        if (!in || !in[0] || strcmp(in[0]->name, "conn_hdl") != 0 ||
            strcmp((*method)->name, "sco_start") == 0)
            continue;
        Answer answer = callArea("btsdkhfp", (*method)->name, requestArgs(*method, connection));
        EXPECT_TRUE(answer.ok()) << (*method)->name << ": " << answer.message();
        if (answer.ok())
            results[(*method)->name] = answer.u(g_variant_n_children(answer.value()) - 1);
    }
    if (node)
        g_dbus_node_info_unref(node);
    return results;
}

class HandsFree : public bttest::ServiceWorld {
protected:
    // Registers a hands-free unit and lets the phone connect to it.
    void SetUp() override {
        ServiceWorld::SetUp();
        ASSERT_EQ(onArea("btsdkhfp", "register_hfp_service",
                         g_variant_new("(suu)", "Hands-Free unit", 0x111Eu, 0x1Fu)),
                  0u);
        server = localServers().back();
        ASSERT_EQ(serverStatus(server), 1u);  // running
        ASSERT_TRUE(control("ConnectToServer", g_variant_new("(su)", "phone", server)).ok());
        Answer incoming =
            callArea("btsdkconn", "get_all_incoming_connections", g_variant_new("(u)", 4u));
        ASSERT_EQ(incoming.u(1), 1u);
        connection = handleList(incoming.ay(0))[0];
    }
    uint32_t server = 0, connection = 0;
};

TEST_F(HandsFree, RequestsNeedARegisteredServiceAndAHandsFreeConnection) {
    std::map<std::string, uint32_t> registered = requestResults(connection);
    EXPECT_GT(registered.size(), 45u);
    for (const auto& [method, result] : registered) EXPECT_EQ(result, 0u) << method;
    for (const auto& [method, result] : requestResults(connection + 100))
        EXPECT_EQ(result, 4u) << method;

    // A connection of another class is not the area's.
    Answer ftp = callArea("btsdkconn", "connect", g_variant_new("(uu)", bttest::kPhone, 0x1106u));
    ASSERT_EQ(ftp.u(1), 0u);
    EXPECT_EQ(onArea("btsdkhfp", "hfap_answer_call", g_variant_new("(u)", ftp.u(0))), 4u);

    // Unregistering takes the server and its connection away.
    EXPECT_EQ(
        onArea("btsdkhfp", "unregister_hfp_service", g_variant_new("(u)", bttest::kServerFtp)), 4u);
    EXPECT_EQ(onArea("btsdkhfp", "unregister_hfp_service", g_variant_new("(u)", server)), 0u);
    EXPECT_EQ(onArea("btsdkhfp", "unregister_hfp_service", g_variant_new("(u)", server)), 4u);
    EXPECT_EQ(serverStatus(server), 0u);
    EXPECT_EQ(
        callArea("btsdkconn", "get_connection_property", g_variant_new("(u)", connection)).u(1),
        4u);
    std::map<std::string, uint32_t> unregistered = requestResults(connection);
    EXPECT_EQ(unregistered.size(), registered.size());
    for (const auto& [method, result] : unregistered) EXPECT_EQ(result, 11u) << method;
    EXPECT_EQ(onArea("btsdkhfp", "sco_stop"), 11u);
}

TEST_F(HandsFree, OnlyHeadsetAndHandsFreeClassesRegister) {
    EXPECT_EQ(
        onArea("btsdkhfp", "register_hfp_service", g_variant_new("(suu)", "Files", 0x1106u, 0u)),
        2u);
    EXPECT_EQ(onArea("btsdkhfp", "register_hfp_service",
                     g_variant_new("(suu)", std::string(80, 'n').c_str(), 0x111Fu, 0u)),
              2u);
    EXPECT_EQ(
        onArea("btsdkhfp", "register_hfp_service", g_variant_new("(suu)", "Gateway", 0x111Fu, 0u)),
        0u);
    uint32_t gateway = localServers().back();
    EXPECT_NE(gateway, server);
    Bytes record = serverRecord(gateway);
    ASSERT_GE(record.size(), 96u);
    EXPECT_EQ(word16(record, 2), 0x111F);
    EXPECT_EQ(bttest::textAt(record, 4, 80), "Gateway");
}

TEST_F(HandsFree, AudioLinksAreReportedAsGatewayMessages) {
    SignalRecorder gateway(kHandsFree, "agap_ret_msg");
    EXPECT_EQ(onArea("btsdkhfp", "sco_stop"), 10u);  // none yet
    EXPECT_EQ(onArea("btsdkhfp", "sco_start", g_variant_new("(u)", connection + 100)), 4u);
    EXPECT_EQ(onArea("btsdkhfp", "sco_start", g_variant_new("(u)", connection)), 0u);
    EXPECT_EQ(printed(onlySignal(gateway, "(uuayu)")),
              "(" + std::to_string(connection) + ", 2307, [], 0)");
    EXPECT_EQ(onArea("btsdkhfp", "sco_start", g_variant_new("(u)", connection)), 3u);
    EXPECT_EQ(onArea("btsdkhfp", "sco_stop"), 0u);
    EXPECT_EQ(printed(onlySignal(gateway, "(uuayu)")),
              "(" + std::to_string(connection) + ", 2308, [], 0)");
    EXPECT_EQ(onArea("btsdkhfp", "sco_stop"), 10u);
}

TEST_F(HandsFree, ControlMessagesCarryTheContractTypes) {
    SignalRecorder unit(kHandsFree, "hfap_ret_msg");
    SignalRecorder gateway(kHandsFree, "agap_ret_msg");
    ASSERT_TRUE(control("HandsFreeMessage", g_variant_new("(uq@ay)", connection, guint16{0x0101},
                                                          bttest::bytes({9, 8})))
                    .ok());
    EXPECT_EQ(printed(onlySignal(unit, "(uuayu)")),
              "(" + std::to_string(connection) + ", 257, [0x09, 0x08], 2)");
    ASSERT_TRUE(control("GatewayMessage",
                        g_variant_new("(uq@ay)", connection, guint16{0x0936}, bttest::bytes({})))
                    .ok());
    EXPECT_EQ(printed(onlySignal(gateway, "(uuayu)")),
              "(" + std::to_string(connection) + ", 2358, [], 0)");
    EXPECT_FALSE(control("GatewayMessage",
                         g_variant_new("(uq@ay)", connection + 100, guint16{1}, bttest::bytes({})))
                     .ok());
    EXPECT_EQ(onArea("btsdkhfp", "unregister_hfp_service", g_variant_new("(u)", server)), 0u);
    EXPECT_FALSE(control("HandsFreeMessage",
                         g_variant_new("(uq@ay)", connection, guint16{1}, bttest::bytes({})))
                     .ok());
}

TEST_F(ProfileAreas, AudioVideoIndicationsWhileRegistered) {
    SignalRecorder events("com.zel.corvane.btservice.btsdkav", "av_evt_ind");
    SignalRecorder keys("com.zel.corvane.btservice.btsdkav", "av_ctl_op");
    EXPECT_FALSE(control("AvControl", g_variant_new("(yy)", 0x44, 1)).ok());
    EXPECT_EQ(onArea("btsdkav", "unregister_av_service"), 11u);

    uint32_t handle = onArea("btsdkav", "register_av_service");
    ASSERT_NE(handle, 0u);
    EXPECT_EQ(onArea("btsdkav", "register_av_service"), handle);  // one registration for both
    EXPECT_EQ(serverStatus(handle), 1u);
    EXPECT_EQ(word16(serverRecord(handle), 2), 0x110A);

    ASSERT_TRUE(control("AvEvent", g_variant_new("(u@ay)", 0x30044u, bttest::bytes({9}))).ok());
    EXPECT_EQ(printed(onlySignal(events, "(uay)")), "(196676, [0x09])");
    ASSERT_TRUE(control("AvControl", g_variant_new("(yy)", 0x44, 1)).ok());
    EXPECT_EQ(printed(onlySignal(keys, "(yy)")), "(0x44, 0x01)");

    EXPECT_EQ(onArea("btsdkav", "unregister_av_service"), 0u);
    EXPECT_EQ(serverStatus(handle), 0u);
    EXPECT_EQ(onArea("btsdkav", "unregister_av_service"), 11u);
    EXPECT_FALSE(control("AvEvent", g_variant_new("(u@ay)", 1u, bttest::bytes({}))).ok());
}

const Bytes kLaptopAddress = {0x1E, 0x90, 0x55, 0xF0, 0xC3, 0xA4};  // least significant first
const Bytes kPhoneAddress = {0xC4, 0x21, 0x8A, 0x70, 0xF3, 0x5C};

uint8_t hidByte(const char* method, const Bytes& address) {
    Answer answer = callArea("btsdkhid", method, g_variant_new("(@ay)", bttest::bytes(address)));
    EXPECT_TRUE(answer.ok()) << answer.message();
    guchar value = 0xFF;
    if (answer.ok())
        g_variant_get(answer.value(), "(y)", &value);
    return value;
}

// An information record of `size` bytes whose first word says `claimed`.
Bytes information(uint8_t claimed, size_t size) {
    Bytes record(size, 0);
    record[0] = claimed;
    return record;
}

int32_t plug(const Bytes& address, const Bytes& info, size_t recordBytes = 20) {
    return callArea("btsdkhid", "clnt_plugged_dev",
                    g_variant_new("(@ay@ay@ay)", bttest::bytes(address), bttest::bytes(info),
                                  bttest::bytes(Bytes(recordBytes, 0))))
        .i32(0);
}

TEST_F(ProfileAreas, HidPlugStateByAddressAndSubclassFromTheService) {
    EXPECT_EQ(hidByte("get_sub_class", kLaptopAddress), 0xC0);
    EXPECT_EQ(hidByte("get_sub_class", kPhoneAddress), 2);  // no HID service
    EXPECT_EQ(hidByte("get_sub_class", Bytes(kLaptopAddress.begin(), kLaptopAddress.end() - 1)), 4);

    EXPECT_EQ(hidByte("get_plug_flag", kLaptopAddress), 2);   // never plugged
    EXPECT_EQ(plug(kLaptopAddress, information(16, 12)), 2);  // its size word disagrees
    EXPECT_EQ(plug(kLaptopAddress, information(12, 12), 19), 2);
    EXPECT_EQ(plug(Bytes(5, 1), information(12, 12)), 2);
    EXPECT_EQ(hidByte("get_plug_flag", kLaptopAddress), 2);
    EXPECT_EQ(plug(kLaptopAddress, information(12, 12)), 0);
    EXPECT_EQ(hidByte("get_plug_flag", kLaptopAddress), 1);
    EXPECT_EQ(hidByte("get_plug_flag", kPhoneAddress), 2);

    auto unplug = [](const Bytes& address) {
        return onArea("btsdkhid", "clnt_unplugged_dev",
                      g_variant_new("(@ay)", bttest::bytes(address)));
    };
    EXPECT_EQ(unplug(kPhoneAddress), 4u);
    EXPECT_EQ(unplug(kLaptopAddress), 0u);
    EXPECT_EQ(hidByte("get_plug_flag", kLaptopAddress), 0);
    EXPECT_EQ(hidByte("get_plug_flag", Bytes(7, 0)), 4);
}

TEST_F(ProfileAreas, SimctlSendsTheIndications) {
    SignalRecorder keys("com.zel.corvane.btservice.btsdkav", "av_ctl_op");
    SignalRecorder pan("com.zel.corvane.btservice.btsdkpan", "signal_pan_event");
    ASSERT_NE(onArea("btsdkav", "register_av_service"), 0u);
    EXPECT_EQ(onArea("btsdkpan", "register_event_cbk"), 0u);
    corvtest::ProgramRun op = corvtest::runProgram({BT_SIMCTL, "av-op", "0x41", "0"});
    EXPECT_EQ(op.exitCode, 0) << op.err;
    EXPECT_EQ(printed(onlySignal(keys, "(yy)")), "(0x41, 0x00)");
    corvtest::ProgramRun event = corvtest::runProgram({BT_SIMCTL, "pan-event", "5", "0A:0B"});
    EXPECT_EQ(event.exitCode, 0) << event.err;
    EXPECT_EQ(printed(onlySignal(pan, "(uuay)")), "(5, 2, [0x0a, 0x0b])");
    EXPECT_EQ(corvtest::runProgram({BT_SIMCTL, "hf-msg", "1", "2", "zz"}).exitCode, 2);
    corvtest::ProgramRun refused = corvtest::runProgram({BT_SIMCTL, "ag-msg", "1", "0x0903"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("no hands-free service is registered"), std::string::npos)
        << refused.err;
}

}  // namespace
