// Every area of interfaces/ is served at its path exactly as its XML says, and a method
// without behaviour answers default values of the right types.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "harness.h"
#include "service_client.h"

namespace {

// Every area has behaviour of its own; these methods of theirs answer defaults
// ("interface.method" with the interface's last part).
const std::set<std::string> kDefaults = {
    "btsdkrmt.change_connection_packet_type", "btsdkrmt.set_link_mode", "btsdkdun.init",
    "btsdkhid.init", "btsdkhid.set_qos_cmd_flags", "btsdkhid.clnt_disable_auto_connect"};

std::string lastPart(const std::string& interface) {
    return interface.substr(interface.rfind('.') + 1);
}

struct XmlNode {
    std::string file;
    GDBusNodeInfo* node;
};

std::vector<XmlNode> contractFiles() {
    std::vector<XmlNode> nodes;
    for (const auto& entry : std::filesystem::directory_iterator(CORVANE_INTERFACES_DIR)) {
        if (entry.path().extension() != ".xml")
            continue;
        gchar* text = nullptr;
        EXPECT_TRUE(g_file_get_contents(entry.path().c_str(), &text, nullptr, nullptr));
        GDBusNodeInfo* node = g_dbus_node_info_new_for_xml(text ? text : "", nullptr);
        g_free(text);
        EXPECT_NE(node, nullptr) << entry.path();
        if (node)
            nodes.push_back({entry.path().filename(), node});
    }
    return nodes;
}

std::string signature(GDBusArgInfo** args) {
    std::string text;
    for (GDBusArgInfo** arg = args; arg && *arg; ++arg) text += (*arg)->signature;
    return text;
}

// Members as "method name(in)(out)" and "signal name(args)".
std::set<std::string> members(const GDBusInterfaceInfo* info) {
    std::set<std::string> result;
    for (GDBusMethodInfo** m = info->methods; m && *m; ++m)
        result.insert(std::string("method ") + (*m)->name + "(" + signature((*m)->in_args) + ")(" +
                      signature((*m)->out_args) + ")");
    for (GDBusSignalInfo** s = info->signals; s && *s; ++s)
        result.insert(std::string("signal ") + (*s)->name + "(" + signature((*s)->args) + ")");
    return result;
}

GVariant* zeroOf(const GVariantType* type) {
    if (g_variant_type_is_array(type))
        return g_variant_new_array(g_variant_type_element(type), nullptr, 0);
    std::vector<GVariant*> items;
    if (g_variant_type_is_tuple(type)) {
        for (const GVariantType* t = g_variant_type_first(type); t; t = g_variant_type_next(t))
            items.push_back(zeroOf(t));
        return g_variant_new_tuple(items.data(), items.size());
    }
    switch (g_variant_type_peek_string(type)[0]) {
        case 'b':
            return g_variant_new_boolean(FALSE);
        case 'y':
            return g_variant_new_byte(0);
        case 'i':
            return g_variant_new_int32(0);
        case 'u':
            return g_variant_new_uint32(0);
        case 's':
            return g_variant_new_string("");
        default:
            ADD_FAILURE() << "no zero for " << g_variant_type_peek_string(type);
            return nullptr;
    }
}

bool allZero(GVariant* value) {
    if (g_variant_is_container(value)) {
        if (g_variant_is_of_type(value, G_VARIANT_TYPE_ARRAY))
            return g_variant_n_children(value) == 0;
        for (size_t i = 0; i < g_variant_n_children(value); ++i) {
            GVariant* item = g_variant_get_child_value(value, i);
            bool zero = allZero(item);
            g_variant_unref(item);
            if (!zero)
                return false;
        }
        return true;
    }
    GVariant* zero = zeroOf(g_variant_get_type(value));
    bool same = zero && g_variant_equal(g_variant_ref_sink(zero), value);
    if (zero)
        g_variant_unref(zero);
    return same;
}

class ContractServed : public testing::Test {
protected:
    void SetUp() override { corvtest::StandInService::instance().reset(); }
    void TearDown() override {
        for (XmlNode& node : nodes) g_dbus_node_info_unref(node.node);
    }
    std::vector<XmlNode> nodes = contractFiles();
};

TEST_F(ContractServed, EveryAreaIsIntrospectedAsItsXmlSays) {
    ASSERT_GE(nodes.size(), 17u);  // fifteen areas, the callback interface and the power interface
    for (const XmlNode& xml : nodes) {
        bttest::Answer answer =
            bttest::call(xml.node->path, "org.freedesktop.DBus.Introspectable", "Introspect");
        ASSERT_TRUE(answer.ok()) << xml.file << ": " << answer.message();
        GDBusNodeInfo* served = g_dbus_node_info_new_for_xml(answer.s(0).c_str(), nullptr);
        ASSERT_NE(served, nullptr) << xml.file;
        for (GDBusInterfaceInfo** info = xml.node->interfaces; info && *info; ++info) {
            GDBusInterfaceInfo* live = g_dbus_node_info_lookup_interface(served, (*info)->name);
            ASSERT_NE(live, nullptr) << (*info)->name << " is not served at " << xml.node->path;
            EXPECT_EQ(members(live), members(*info)) << (*info)->name;
        }
        g_dbus_node_info_unref(served);
    }
}

TEST_F(ContractServed, MethodsWithoutBehaviourAnswerDefaultsOfTheirTypes) {
    int called = 0;
    for (const XmlNode& xml : nodes) {
        for (GDBusInterfaceInfo** info = xml.node->interfaces; info && *info; ++info) {
            for (GDBusMethodInfo** m = (*info)->methods; m && *m; ++m) {
                if (!kDefaults.count(lastPart((*info)->name) + "." + (*m)->name))
                    continue;
                std::string in = "(" + signature((*m)->in_args) + ")";
                std::string out = "(" + signature((*m)->out_args) + ")";
                bttest::Answer answer = bttest::call(xml.node->path, (*info)->name, (*m)->name,
                                                     zeroOf(G_VARIANT_TYPE(in.c_str())));
                ASSERT_TRUE(answer.ok()) << (*m)->name << ": " << answer.message();
                EXPECT_STREQ(g_variant_get_type_string(answer.value()), out.c_str()) << (*m)->name;
                EXPECT_TRUE(allZero(answer.value())) << (*m)->name;
                ++called;
            }
        }
    }
    EXPECT_EQ(called, static_cast<int>(kDefaults.size()));
    // Every one of them was recorded.
    EXPECT_EQ(corvtest::StandInService::instance().calls().size(), static_cast<size_t>(called));
}

}  // namespace
