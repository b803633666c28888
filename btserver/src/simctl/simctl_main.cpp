// bt_simctl: drives the stand-in service bt_server through its control interface.
#include <gio/gio.h>

#include <cstdio>

#include "bus/bus_name.h"
#include "simctl/simctl_commands.h"

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
    "  connected DEVICE on|off        a remote device opens a link with no connection on it\n"
    "                                 (the local adapter is its slave unless the device's\n"
    "                                 LocalRole says otherwise), or its link goes down and\n"
    "                                 its connections drop\n"
    "  rssi DEVICE DBM                set a remote device's signal strength, -128 to 127\n"
    "                                 dBm; get_remote_rssi answers it while the device's\n"
    "                                 link is up (10 when it has none, 5 out of range)\n"
    "  ask-authorization DEVICE SERVICE\n"
    "                                 the device asks to use a service\n"
    "                                 (authorization_request_ind)\n"
    "  ask-connection DEVICE SERVICE ROLE\n"
    "                                 the device asks to connect (connection_request_ind)\n"
    "  connect-server DEVICE SERVER   the device connects to a running local server, which\n"
    "                                 is in use (status 3) until its last connection ends;\n"
    "                                 any number of devices may connect to one server; a\n"
    "                                 connection to a serial port or dial-up server gets a\n"
    "                                 COM port (the server's own when free) and its device\n"
    "                                 ttyB<port> in the service's device folder\n"
    "  drop CONN                      the connection's link drops (connection_event_ind)\n"
    "  put-file DEVICE SOURCE [NAME]  the device puts a copy of the local file into the\n"
    "                                 folder of register_ftp_service, as NAME (default the\n"
    "                                 source's name): signal_ftp_deal_receive_file with\n"
    "                                 status 0x06A00300; refused while no folder is\n"
    "                                 registered or its access lacks bit 0 (writable)\n"
    "  push-file DEVICE SOURCE        the device pushes a copy of the local file into the\n"
    "                                 inbox of register_opp_service, under a free name\n"
    "                                 when its own is taken:\n"
    "                                 signal_opp_deal_receive_file with status 0x06A00203;\n"
    "                                 a device that is not trusted first asks the user\n"
    "                                 (authorization_request_ind), who allows it with\n"
    "                                 authorization_response answer 1\n"
    "                                 Both send over the device's connection to the local\n"
    "                                 FTP or OPP server, which is made for the file (and\n"
    "                                 ends after it) when the device has none, and wait\n"
    "                                 for the file however long it takes\n"
    "  pan-event EVENT [HEX]          signal_pan_event with the bytes; refused until a\n"
    "                                 client called register_event_cbk\n"
    "  hf-msg CONN EVENT [HEX]        hfap_ret_msg about a hands-free connection\n"
    "  ag-msg CONN EVENT [HEX]        agap_ret_msg likewise (0x0903 audio link up, 0x0904\n"
    "                                 down); both refused while no hands-free service is\n"
    "                                 registered or CONN is not a hands-free connection\n"
    "  av-event EVENT [HEX]           av_evt_ind; refused while no audio/video service is\n"
    "                                 registered\n"
    "  av-op OPERATION STATE          av_ctl_op (a remote-control key), likewise\n"
    "  hw-kill on|off                 the radio's hardware kill switch is set (Bluetooth goes\n"
    "                                 off) or released: vendor_event_ind 0xF1 or 0xF0\n"
    "  hw-error CODE                  the controller fails (Bluetooth goes off):\n"
    "                                 hardware_error_ind\n"
    "  quit                           end the service\n"
    "\n"
    "IFACE is a full interface name or its last part: btsdklocal, btsdkcbk, Device.\n"
    "DEVICE is a remote device's ID in the scenario or its handle. SOURCE is a local file.\n"
    "File transfers and object pushes complete with 0 done, 1 failed (no such file, or the\n"
    "link went), 8 cancelled; a read-only device's tree refuses changes with 1729. The\n"
    "scenario keys of the devices' files are described in default.ini.\n"
    "Connections count their duration and the bytes they carry; default.ini describes how,\n"
    "with the scenario keys Rssi, LocalRole, ReceiveRate, SendRate and a server's Connected.\n"
    "Serial port and dial-up connections get a pseudo-terminal published as ttyB<port> in\n"
    "bt_server's device folder (its --device-dir). The scenario key Serial of their\n"
    "service, or of the local server for a device's connection to it, says what answers at\n"
    "the far end: echo sends back every byte; modem answers AT command lines (ATD dials the\n"
    "service's Numbers); none gives the connection no terminal, and it carries the steady\n"
    "ReceiveRate and SendRate instead.\n"
    "HEX is bytes in hex, e.g. 01:02:0A. The profile areas answer 10 when the link they\n"
    "need is not up, 11 when their service is not registered; a dial answers 12 for a\n"
    "number in the service's BusyNumbers and 13 for one in neither it nor Numbers.";

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
    std::string bus = address ? address : btserver::systemBusAddress();
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

    GDBusConnection* connection = btserver::connectToBus(bus, problem);
    if (!connection) {
        std::fprintf(stderr, "bt_simctl: cannot connect to the bus: %s\n", problem.c_str());
        if (request.args)
            g_variant_unref(g_variant_ref_sink(request.args));
        return 1;
    }
    GVariant* reply = g_dbus_connection_call_sync(
        connection, btserver::kBusName, "/com/zel/corvane/simctl", "com.zel.corvane.simctl",
        request.method.c_str(), request.args, G_VARIANT_TYPE(request.replyType),
        G_DBUS_CALL_FLAGS_NO_AUTO_START, request.timeoutMs, nullptr, &error);
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
