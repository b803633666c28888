// The client library against the service's introspection files: every method it calls
// exists on the interface its proxy talks to, with the exact argument signatures it
// sends and expects, and every signal it subscribes carries the arguments it reads.
#include <gio/gio.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "methods.h"

namespace {

struct Interface {
    std::string path;
    GDBusInterfaceInfo* info;
};

class Contract : public testing::Test {
protected:
    static std::map<std::string, Interface> interfaces;

    static void SetUpTestSuite() {
        for (const auto& entry : std::filesystem::directory_iterator(CORVANE_INTERFACES_DIR)) {
            if (entry.path().extension() != ".xml") continue;
            gchar* text = nullptr;
            ASSERT_TRUE(g_file_get_contents(entry.path().c_str(), &text, nullptr, nullptr));
            GError* error = nullptr;
            GDBusNodeInfo* node = g_dbus_node_info_new_for_xml(text, &error);
            g_free(text);
            ASSERT_NE(node, nullptr) << entry.path() << ": " << error->message;
            for (GDBusInterfaceInfo** i = node->interfaces; i && *i; ++i) {
                interfaces[(*i)->name] = {node->path ? node->path : "",
                                          g_dbus_interface_info_ref(*i)};
            }
            g_dbus_node_info_unref(node);
        }
    }

    static const Interface* find(const char* name) {
        auto it = interfaces.find(name);
        return it == interfaces.end() ? nullptr : &it->second;
    }
};
std::map<std::string, Interface> Contract::interfaces;

std::string joined(GDBusArgInfo** args) {
    std::string signature;
    for (GDBusArgInfo** a = args; a && *a; ++a) signature += (*a)->signature;
    return signature;
}

TEST_F(Contract, EveryProxyHasItsInterfaceAtItsPath) {
    for (int id = 0; id < static_cast<int>(corv::ProxyId::Count); ++id) {
        const corv::ProxyInfo& proxy = corv::proxyInfo(static_cast<corv::ProxyId>(id));
        const Interface* iface = find(proxy.interface);
        ASSERT_NE(iface, nullptr) << proxy.interface;
        EXPECT_EQ(iface->path, proxy.path) << proxy.interface;
    }
}

TEST_F(Contract, EveryCalledMethodExistsWithTheSignaturesTheLibraryUses) {
    for (const corv::Method& method : corv::kAllMethods) {
        const char* interface = corv::proxyInfo(method.proxy).interface;
        const Interface* iface = find(interface);
        ASSERT_NE(iface, nullptr) << interface;
        GDBusMethodInfo* info = g_dbus_interface_info_lookup_method(iface->info, method.name);
        ASSERT_NE(info, nullptr) << interface << "." << method.name;
        EXPECT_EQ(joined(info->in_args), method.in) << method.name << " inputs";
        EXPECT_EQ(joined(info->out_args), method.out) << method.name << " outputs";
    }
}

TEST_F(Contract, EverySubscribedSignalCarriesTheArgumentsTheLibraryReads) {
    for (const corv::Signal& signal : corv::kAllSignals) {
        const char* interface = corv::proxyInfo(signal.proxy).interface;
        const Interface* iface = find(interface);
        ASSERT_NE(iface, nullptr) << interface;
        GDBusSignalInfo* info = g_dbus_interface_info_lookup_signal(iface->info, signal.name);
        ASSERT_NE(info, nullptr) << interface << "." << signal.name;
        EXPECT_EQ(joined(info->args), signal.signature) << signal.name;
    }
}

TEST_F(Contract, AreaInterfacesFollowTheNamingScheme) {
    const std::string prefix = "com.zel.corvane.";
    for (const auto& [name, iface] : interfaces) {
        ASSERT_EQ(name.rfind(prefix, 0), 0u) << name;
        std::string expected = "/" + name;
        for (char& c : expected) c = c == '.' ? '/' : c;
        EXPECT_EQ(iface.path, expected) << name;
    }
}

}  // namespace
