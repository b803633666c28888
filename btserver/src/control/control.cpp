#include "control/control.h"

#include <cstring>

#include "areas/connections.h"
#include "control/device_events.h"
#include "control/profile_events.h"
#include "control/stack_events.h"
#include "control/transfer_events.h"
#include "core/core.h"
#include "world/scenario.h"

namespace btserver {

namespace {

constexpr const char* kErrorName = "com.zel.corvane.simctl.Error";

// The remote-device events (SetInRange, SetConnected, SetRssi, RequestAuthorization,
// RequestConnection, ConnectToServer) are described in device_events.h. DropConnection
// ends a connection as a lost link does: "connection_event_ind" with event 2. The files
// that devices send (DevicePutsFile, DevicePushesFile) are described in transfer_events.h.
// The profile indications (PanEvent, HandsFreeMessage, GatewayMessage, AvEvent, AvControl)
// are described in profile_events.h.
constexpr const char* kXml = R"xml(<node name="/com/zel/corvane/simctl">
  <interface name="com.zel.corvane.simctl">
    <method name="Reset"/>
    <method name="LoadScenario"><arg name="path" type="s" direction="in"/></method>
    <method name="EmitSignal">
      <arg name="interface" type="s" direction="in"/>
      <arg name="signal" type="s" direction="in"/>
      <arg name="args" type="s" direction="in"/>
    </method>
    <method name="EmitUntypedSignal">
      <arg name="interface" type="s" direction="in"/>
      <arg name="signal" type="s" direction="in"/>
      <arg name="args" type="s" direction="in"/>
    </method>
    <method name="SetReply">
      <arg name="interface" type="s" direction="in"/>
      <arg name="method" type="s" direction="in"/>
      <arg name="override" type="a{sv}" direction="in"/>
    </method>
    <method name="ClearReplies"/>
    <method name="GetCalls"><arg name="calls" type="a(sssv)" direction="out"/></method>
    <method name="ClearCalls"/>
    <method name="GetAdapter"><arg name="adapter" type="a{sv}" direction="out"/></method>
    <method name="SetInRange">
      <arg name="device" type="s" direction="in"/>
      <arg name="in_range" type="b" direction="in"/>
    </method>
    <method name="SetConnected">
      <arg name="device" type="s" direction="in"/>
      <arg name="connected" type="b" direction="in"/>
    </method>
    <method name="SetRssi">
      <arg name="device" type="s" direction="in"/>
      <arg name="rssi" type="i" direction="in"/>
    </method>
    <method name="RequestAuthorization">
      <arg name="device" type="s" direction="in"/>
      <arg name="service" type="u" direction="in"/>
    </method>
    <method name="RequestConnection">
      <arg name="device" type="s" direction="in"/>
      <arg name="service" type="u" direction="in"/>
      <arg name="role" type="y" direction="in"/>
    </method>
    <method name="ConnectToServer">
      <arg name="device" type="s" direction="in"/>
      <arg name="server" type="u" direction="in"/>
    </method>
    <method name="DropConnection"><arg name="connection" type="u" direction="in"/></method>
    <method name="DevicePutsFile">
      <arg name="device" type="s" direction="in"/>
      <arg name="source_path" type="s" direction="in"/>
      <arg name="name" type="s" direction="in"/>
    </method>
    <method name="DevicePushesFile">
      <arg name="device" type="s" direction="in"/>
      <arg name="source_path" type="s" direction="in"/>
    </method>
    <method name="PanEvent">
      <arg name="event" type="u" direction="in"/>
      <arg name="data" type="ay" direction="in"/>
    </method>
    <method name="HandsFreeMessage">
      <arg name="connection" type="u" direction="in"/>
      <arg name="event" type="q" direction="in"/>
      <arg name="params" type="ay" direction="in"/>
    </method>
    <method name="GatewayMessage">
      <arg name="connection" type="u" direction="in"/>
      <arg name="event" type="q" direction="in"/>
      <arg name="params" type="ay" direction="in"/>
    </method>
    <method name="AvEvent">
      <arg name="event" type="u" direction="in"/>
      <arg name="data" type="ay" direction="in"/>
    </method>
    <method name="AvControl">
      <arg name="operation" type="y" direction="in"/>
      <arg name="state" type="y" direction="in"/>
    </method>
    <method name="SetHardwareKill"><arg name="killed" type="b" direction="in"/></method>
    <method name="RaiseHardwareError"><arg name="code" type="y" direction="in"/></method>
    <method name="Quit"/>
  </interface>
</node>)xml";

}  // namespace

Control::Control(Service& service, std::function<void()> quit)
    : service_(service),
      quit_(std::move(quit)),
      node_(g_dbus_node_info_new_for_xml(kXml, nullptr)) {}

Control::~Control() {
    g_dbus_node_info_unref(node_);
}

bool Control::serve(ObjectRegistry& registry, std::string& error) {
    return registry.add(
        node_->path, node_->interfaces[0],
        [this](GDBusMethodInvocation* invocation) { handle(invocation); }, error);
}

void Control::handle(GDBusMethodInvocation* invocation) {
    const char* method = g_dbus_method_invocation_get_method_name(invocation);
    GVariant* args = g_dbus_method_invocation_get_parameters(invocation);
    GVariant* reply = nullptr;
    std::string error;
    if (strcmp(method, "Reset") == 0) {
        service_.reset();
    } else if (strcmp(method, "LoadScenario") == 0) {
        error = loadScenario(args);
    } else if (strcmp(method, "EmitSignal") == 0) {
        error = emitSignal(args);
    } else if (strcmp(method, "EmitUntypedSignal") == 0) {
        error = emitUntypedSignal(args);
    } else if (strcmp(method, "SetReply") == 0) {
        error = setReply(args);
    } else if (strcmp(method, "ClearReplies") == 0) {
        service_.overrides().clear();
    } else if (strcmp(method, "GetCalls") == 0) {
        reply = g_variant_new("(@a(sssv))", service_.calls().toVariant());
    } else if (strcmp(method, "ClearCalls") == 0) {
        service_.calls().clear();
    } else if (strcmp(method, "GetAdapter") == 0) {
        reply = g_variant_new("(@a{sv})", adapter());
    } else if (strcmp(method, "DropConnection") == 0) {
        guint32 connection = 0;
        g_variant_get(args, "(u)", &connection);
        if (!endConnection(service_, connection, Ending::Dropped))
            error = "no connection " + std::to_string(connection);
    } else if (isTransferEvent(method)) {
        // Answered once the file has arrived; the invocation is the answer's to release.
        return runTransferEvent(service_, method, args, [invocation](const std::string& failure) {
            if (failure.empty())
                g_dbus_method_invocation_return_value(invocation, nullptr);
            else
                g_dbus_method_invocation_return_dbus_error(invocation, kErrorName, failure.c_str());
        });
    } else if (isDeviceEvent(method)) {
        error = runDeviceEvent(service_, method, args);
    } else if (isProfileEvent(method)) {
        error = runProfileEvent(service_, method, args);
    } else if (isStackEvent(method)) {
        error = runStackEvent(service_, method, args);
    }
    if (!error.empty()) {
        g_dbus_method_invocation_return_dbus_error(invocation, kErrorName, error.c_str());
        return;
    }
    g_dbus_method_invocation_return_value(invocation, reply);
    if (strcmp(method, "Quit") == 0)
        quit_();
}

GVariant* Control::adapter() const {
    const Adapter& adapter = service_.world().adapter;
    GVariantBuilder builder;
    g_variant_builder_init(&builder, G_VARIANT_TYPE_VARDICT);
    g_variant_builder_add(&builder, "{sv}", "name", g_variant_new_string(adapter.name.c_str()));
    g_variant_builder_add(&builder, "{sv}", "address",
                          byteArray(adapter.address.data(), adapter.address.size()));
    g_variant_builder_add(&builder, "{sv}", "class", g_variant_new_uint32(adapter.deviceClass));
    g_variant_builder_add(&builder, "{sv}", "discovery_mode",
                          g_variant_new_uint32(adapter.discoveryMode));
    g_variant_builder_add(&builder, "{sv}", "powered", g_variant_new_boolean(adapter.powered));
    g_variant_builder_add(&builder, "{sv}", "trace", g_variant_new_boolean(adapter.trace));
    g_variant_builder_add(&builder, "{sv}", "security_mode",
                          g_variant_new_uint32(adapter.securityMode));
    return g_variant_builder_end(&builder);
}

std::string Control::loadScenario(GVariant* args) {
    const char* path = nullptr;
    g_variant_get(args, "(&s)", &path);
    World world;
    std::string error;
    if (!loadScenarioFile(path, world, error))
        return error;
    service_.useScenario(std::move(world));
    return {};
}

std::string Control::emitSignal(GVariant* args) {
    const char *interface, *signal, *text;
    g_variant_get(args, "(&s&s&s)", &interface, &signal, &text);
    const Area* area = service_.contract().find(interface);
    if (!area)
        return std::string("unknown interface ") + interface;
    const GDBusSignalInfo* info = g_dbus_interface_info_lookup_signal(area->info, signal);
    if (!info)
        return std::string("no signal ") + signal + " on " + area->info->name;
    std::string type = tupleType(info->args);
    GError* failure = nullptr;
    GVariant* value =
        g_variant_parse(G_VARIANT_TYPE(type.c_str()), text, nullptr, nullptr, &failure);
    if (!value) {
        std::string error = "arguments do not fit " + type + ": " + failure->message;
        g_error_free(failure);
        return error;
    }
    std::string error;
    service_.signals().emit(area->info->name, signal, value, &error);
    return error;
}

// Emits a contract signal with the arguments as their text types them, even where that
// disagrees with the contract: clients' handling of malformed signals is tested with it.
std::string Control::emitUntypedSignal(GVariant* args) {
    const char *interface, *signal, *text;
    g_variant_get(args, "(&s&s&s)", &interface, &signal, &text);
    const Area* area = service_.contract().find(interface);
    if (!area)
        return std::string("unknown interface ") + interface;
    GError* failure = nullptr;
    GVariant* value = g_variant_parse(nullptr, text, nullptr, nullptr, &failure);
    if (!value || !g_variant_is_of_type(value, G_VARIANT_TYPE_TUPLE)) {
        std::string error =
            std::string("arguments must be a typed tuple: ") + (failure ? failure->message : text);
        if (failure)
            g_error_free(failure);
        if (value)
            g_variant_unref(value);
        return error;
    }
    std::string error;
    service_.signals().emit(area->info->name, signal, value, &error);
    return error;
}

std::string Control::setReply(GVariant* args) {
    const char *interface, *method;
    GVariant* dict = nullptr;
    g_variant_get(args, "(&s&s@a{sv})", &interface, &method, &dict);
    VariantPtr held = takeVariant(dict);
    const Area* area = service_.contract().find(interface);
    const GDBusMethodInfo* info =
        area ? g_dbus_interface_info_lookup_method(area->info, method) : nullptr;
    if (!info)
        return std::string("no method ") + method + " on " + interface;
    ReplyOverride override;
    std::string error;
    if (!parseOverride(dict, info, override, error))
        return error;
    service_.overrides().set(area->info->name, method, std::move(override));
    return {};
}

}  // namespace btserver
