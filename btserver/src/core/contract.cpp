#include "core/contract.h"

#include "embedded_text.h"

namespace interfaces_xml {
extern const EmbeddedText kTexts[];
extern const int kTextCount;
}  // namespace interfaces_xml

namespace btserver {

Contract::Contract() {
    for (int i = 0; i < interfaces_xml::kTextCount; ++i) {
        const EmbeddedText& file = interfaces_xml::kTexts[i];
        GError* error = nullptr;
        GDBusNodeInfo* node = g_dbus_node_info_new_for_xml(file.text, &error);
        if (!node)
            g_error("%s: %s", file.name, error->message);
        if (!node->path || !g_variant_is_object_path(node->path))
            g_error("%s: the node has no object path", file.name);
        nodes_.push_back(node);
        for (GDBusInterfaceInfo** info = node->interfaces; info && *info; ++info)
            areas_.push_back({node->path, *info});
    }
}

Contract::~Contract() {
    for (GDBusNodeInfo* node : nodes_) g_dbus_node_info_unref(node);
}

const Area* Contract::find(const std::string& interface) const {
    bool shortName = interface.find('.') == std::string::npos;
    for (const Area& area : areas_) {
        std::string name = area.info->name;
        if (shortName)
            name = name.substr(name.rfind('.') + 1);
        if (name == interface)
            return &area;
    }
    return nullptr;
}

const GDBusMethodInfo* Contract::method(const std::string& interface,
                                        const std::string& method) const {
    const Area* area = find(interface);
    return area ? g_dbus_interface_info_lookup_method(area->info, method.c_str()) : nullptr;
}

std::string tupleType(GDBusArgInfo** args) {
    std::string type = "(";
    for (GDBusArgInfo** arg = args; arg && *arg; ++arg) type += (*arg)->signature;
    return type + ")";
}

}  // namespace btserver
