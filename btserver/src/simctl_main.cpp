// bt_simctl: drives the stand-in service bt_server through its control interface.
#include <gio/gio.h>

#include <cstdio>

#include "simctl_commands.h"

namespace {

constexpr const char* kSummary =
    "Commands:\n"
    "  reset                          restore the world from the current scenario, clear the\n"
    "                                 call log and every reply override\n"
    "  load FILE                      load a scenario file and reset\n"
    "  emit IFACE SIGNAL ARGS         emit a signal; ARGS is the GVariant text of its whole\n"
    "                                 argument tuple, e.g. \"(uint32 3,)\"\n"
    "  emit-untyped IFACE SIGNAL ARGS the same with the types ARGS gives, even where they\n"
    "                                 differ from the contract (malformed signals)\n"
    "  reply IFACE METHOD KEY=VALUE...\n"
    "                                 override a method's reply; keys: result, reply, error,\n"
    "                                 message, delay_ms, array_length, no_reply, times\n"
    "  clear-replies                  remove every reply override\n"
    "  calls                          list the calls received, in order\n"
    "  clear-calls                    forget the calls received\n"
    "  adapter                        show the local adapter\n"
    "  range DEVICE in|out            bring a remote device into range, or take it away\n"
    "  connected DEVICE on|off        set a remote device's connected flag\n"
    "  ask-authorization DEVICE SERVICE\n"
    "                                 the device asks to use a service\n"
    "                                 (authorization_request_ind)\n"
    "  ask-connection DEVICE SERVICE ROLE\n"
    "                                 the device asks to connect (connection_request_ind)\n"
    "  connect-server DEVICE SERVER   the device connects to a running local server\n"
    "  drop CONN                      the connection's link drops (connection_event_ind)\n"
    "  quit                           end the service\n"
    "\n"
    "IFACE is a full interface name or its last part: btsdklocal, btsdkcbk, Device.\n"
    "DEVICE is a remote device's ID in the scenario or its handle.";

int usageError(const std::string& message) {
    std::fprintf(stderr, "bt_simctl: %s (see --help)\n", message.c_str());
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    gchar* address = nullptr;
    const GOptionEntry entries[] = {
        {"bus", 0, 0, G_OPTION_ARG_STRING, &address,
         "Bus of the service (default: $DBUS_SYSTEM_BUS_ADDRESS, else the system bus)", "ADDRESS"},
        {nullptr, 0, 0, G_OPTION_ARG_NONE, nullptr, nullptr, nullptr}};
    GOptionContext* context = g_option_context_new("COMMAND [ARGUMENTS...] - control bt_server");
    g_option_context_set_description(context, kSummary);
    g_option_context_add_main_entries(context, entries, nullptr);
    g_option_context_set_strict_posix(context,
                                      TRUE);  // arguments after the command are not options
    GError* error = nullptr;
    bool parsed = g_option_context_parse(context, &argc, &argv, &error);
    g_option_context_free(context);
    const char* fromEnvironment = g_getenv("DBUS_SYSTEM_BUS_ADDRESS");
    std::string bus = address ? address : fromEnvironment ? fromEnvironment : "";
    g_free(address);
    if (!parsed) {
        std::string message = error->message;
        g_error_free(error);
        return usageError(message);
    }

    simctl::Request request;
    std::string problem;
    if (!simctl::buildRequest(std::vector<std::string>(argv + 1, argv + argc), request, problem))
        return usageError(problem);

    GDBusConnection* connection =
        bus.empty()
            ? g_bus_get_sync(G_BUS_TYPE_SYSTEM, nullptr, &error)
            : g_dbus_connection_new_for_address_sync(
                  bus.c_str(),
                  static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                                    G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
                  nullptr, nullptr, &error);
    if (!connection) {
        std::fprintf(stderr, "bt_simctl: cannot connect to the bus: %s\n", error->message);
        g_error_free(error);
        if (request.args)
            g_variant_unref(g_variant_ref_sink(request.args));
        return 1;
    }
    GVariant* reply = g_dbus_connection_call_sync(
        connection, "com.zel.corvane", "/com/zel/corvane/simctl", "com.zel.corvane.simctl",
        request.method.c_str(), request.args, G_VARIANT_TYPE(request.replyType),
        G_DBUS_CALL_FLAGS_NO_AUTO_START, 10000, nullptr, &error);
    int code = 0;
    if (reply) {
        simctl::printReply(request.method, reply);
        g_variant_unref(reply);
    } else {
        g_dbus_error_strip_remote_error(error);
        std::fprintf(stderr, "bt_simctl: %s failed: %s\n", request.method.c_str(), error->message);
        g_error_free(error);
        code = 1;
    }
    g_object_unref(connection);
    return code;
}
