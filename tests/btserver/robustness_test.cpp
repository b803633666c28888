// Whatever a client sends, the service answers with a D-Bus error or a refusing result
// and keeps serving.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness.h"
#include "service_client.h"

using bttest::Answer;
using bttest::callArea;

namespace {

class Robustness : public testing::Test {
protected:
    corvtest::StandInService& service = corvtest::StandInService::instance();
    void SetUp() override { service.reset(); }

    // The service still answers a normal call with the scenario's name.
    void expectServing() {
        ASSERT_TRUE(service.running());
        Answer name = callArea("btsdklocal", "get_local_name");
        ASSERT_TRUE(name.ok()) << name.message();
        EXPECT_EQ(name.s(0), "Corvane PC");
    }
};

TEST_F(Robustness, UnknownMethodsPathsAndInterfacesGetErrors) {
    Answer method = callArea("btsdklocal", "get_local_nam");
    EXPECT_EQ(method.errorName(), "org.freedesktop.DBus.Error.UnknownMethod");
    Answer path = bttest::call("/com/zel/corvane/btservice/nowhere",
                               "com.zel.corvane.btservice.btsdklocal", "get_local_name");
    EXPECT_FALSE(path.ok());
    EXPECT_NE(path.errorName().find("org.freedesktop.DBus.Error.Unknown"), std::string::npos)
        << path.errorName();
    Answer interface =
        bttest::call("/com/zel/corvane/btservice/btsdklocal", "com.zel.corvane.btservice.btsdkrmt",
                     "get_remote_device_name", g_variant_new("(u)", 1));
    EXPECT_NE(interface.errorName().find("org.freedesktop.DBus.Error.Unknown"), std::string::npos);
    // Signals-only interface: no methods at all.
    EXPECT_FALSE(callArea("btsdkcbk", "pin_request_ind", g_variant_new("(u)", 1)).ok());
    EXPECT_TRUE(service.calls().empty());  // refused calls never reach the handlers
    expectServing();
}

TEST_F(Robustness, WrongSignaturesAreRefused) {
    EXPECT_EQ(callArea("btsdklocal", "set_local_name", g_variant_new("(u)", 5)).errorName(),
              "org.freedesktop.DBus.Error.InvalidArgs");
    EXPECT_EQ(callArea("btsdklocal", "set_local_name").errorName(),
              "org.freedesktop.DBus.Error.InvalidArgs");
    EXPECT_EQ(callArea("btsdkinit", "write_private_profile_int",
                       g_variant_new("(ssss)", "S", "k", "1", "f"))
                  .errorName(),
              "org.freedesktop.DBus.Error.InvalidArgs");
    EXPECT_EQ(
        callArea("btsdklocal", "vendor_command", g_variant_new("(uau)", 1, nullptr)).errorName(),
        "org.freedesktop.DBus.Error.InvalidArgs");
    EXPECT_TRUE(service.calls().empty());
    expectServing();
}

TEST_F(Robustness, OversizedArraysAndHugeStringsAreHandled) {
    std::vector<uint8_t> big(8 * 1024 * 1024, 0x5A);
    Answer vendor =
        callArea("btsdklocal", "vendor_command",
                 g_variant_new("(u@ay)", static_cast<guint32>(big.size()), bttest::bytes(big)));
    ASSERT_TRUE(vendor.ok()) << vendor.message();
    EXPECT_EQ(vendor.u(0), 0u);
    EXPECT_EQ(vendor.ay(1).size(), 259u);
    std::vector<corvtest::RecordedCall> calls = service.calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].ay(1), big);  // recorded as sent

    Answer hci =
        callArea("btsdklocal", "excute_hci_command",
                 g_variant_new("(uuu@ay)", 0x0C03, 1, 0xFFFFFFFFu, bttest::bytes({1, 2, 3})));
    ASSERT_TRUE(hci.ok()) << hci.message();
    EXPECT_NE(hci.u(0), 0u);  // no reply of 4 GiB
    EXPECT_TRUE(hci.ay(1).empty());

    std::string huge(4 * 1024 * 1024, 'n');
    Answer name = callArea("btsdklocal", "set_local_name", g_variant_new("(s)", huge.c_str()));
    ASSERT_TRUE(name.ok());
    EXPECT_NE(name.u(0), 0u);

    Answer setting = callArea("btsdkinit", "write_private_profile_string",
                              g_variant_new("(ssss)", "S", "k", huge.c_str(), "huge.ini"));
    ASSERT_TRUE(setting.ok());
    EXPECT_NE(setting.u(0), 0u);
    EXPECT_FALSE(g_file_test((service.stateDir() + "/huge.ini").c_str(), G_FILE_TEST_EXISTS));

    // The log forgets its oldest calls rather than grow past what one reply can carry.
    calls = service.calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_LT(calls.size(), 4u);
    EXPECT_EQ(calls.back().method, "write_private_profile_string");
    expectServing();
}

TEST_F(Robustness, ControlInterfaceRefusesBadRequests) {
    auto refused = [](const char* method, GVariant* args) {
        Answer answer = bttest::control(method, args);
        EXPECT_EQ(answer.errorName(), "com.zel.corvane.simctl.Error")
            << method << " " << answer.message();
        return answer.message();
    };
    GVariant* none = g_variant_new_array(G_VARIANT_TYPE("{sv}"), nullptr, 0);
    EXPECT_NE(refused("EmitSignal", g_variant_new("(sss)", "btsdknone", "bt_status", "(uint32 1,)"))
                  .find("unknown interface"),
              std::string::npos);
    refused("EmitSignal", g_variant_new("(sss)", "btsdkinit", "no_such_signal", "(uint32 1,)"));
    refused("EmitSignal", g_variant_new("(sss)", "btsdkinit", "bt_status", "(\"text\",)"));
    refused("EmitSignal", g_variant_new("(sss)", "btsdkinit", "bt_status", "(uint32 1"));
    refused("SetReply", g_variant_new("(ss@a{sv})", "btsdklocal", "no_such_method", none));

    auto setReply = [&](const char* method, const char* key, GVariant* value) {
        GVariantBuilder b;
        g_variant_builder_init(&b, G_VARIANT_TYPE_VARDICT);
        g_variant_builder_add(&b, "{sv}", key, value);
        return refused("SetReply", g_variant_new("(ss@a{sv})", "btsdklocal", method,
                                                 g_variant_builder_end(&b)));
    };
    setReply("get_local_name", "colour", g_variant_new_uint32(1));
    setReply("get_local_name", "result", g_variant_new_string("0"));
    setReply("get_local_name", "reply", g_variant_new_string("(uint32 0,)"));  // (su) expected
    setReply("get_local_name", "error", g_variant_new_string("not an error name"));
    setReply("get_local_name", "array_length", g_variant_new_int32(-2));
    setReply("get_local_name", "message", g_variant_new_string("without an error"));
    refused("LoadScenario", g_variant_new("(s)", "/nonexistent/scenario.ini"));
    EXPECT_TRUE(
        bttest::control("SetReply",
                        g_variant_new("(ss@a{sv})", "btsdklocal", "get_local_name",
                                      g_variant_new_array(G_VARIANT_TYPE("{sv}"), nullptr, 0)))
            .ok());
    expectServing();
}

TEST_F(Robustness, ResultOverrideNeedsANumericResultOutput) {
    GVariantBuilder b;
    g_variant_builder_init(&b, G_VARIANT_TYPE_VARDICT);
    g_variant_builder_add(&b, "{sv}", "result", g_variant_new_uint32(1));
    Answer answer = bttest::control(
        "SetReply",
        g_variant_new("(ss@a{sv})", "btsdkhid", "set_qos_cmd_flags", g_variant_builder_end(&b)));
    EXPECT_EQ(answer.errorName(), "com.zel.corvane.simctl.Error");
}

}  // namespace
