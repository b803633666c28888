// Commands about services, local servers and connections.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "command.h"
#include "corvclient/btsdk.h"
#include "cvcommon/service_classes.h"
#include "device_lookup.h"
#include "serial_line.h"

namespace corvctl {
namespace {

const char* statusText(BTUINT16 status) {
    switch (status) {
        case BTSDK_SERVER_RUNNING:
            return "running";
        case BTSDK_SERVER_STOPPED:
            return "stopped";
        case BTSDK_SERVER_IN_USE:
            return "in use";
        default:
            return "?";
    }
}

int usage(const char* text) {
    std::fprintf(stderr, "corvctl: %s\n", text);
    return 2;
}

int services(const Args& args) {
    if (args.size() != 1) return usage("services takes one DEVICE");
    BTDEVHDL device = knownDevice(args[0]);
    if (!device) return 1;
    BTUINT32 count = 0;
    BTRESULT r = Btsdk_BrowseRemoteServices(device, nullptr, &count);
    if (r != BTSDK_OK) return fail("cannot browse " + args[0], r);
    BTSDKHANDLE enumeration = Btsdk_StartEnumRemoteService(device);
    if (!enumeration) return fail("cannot list the services of " + args[0], BTSDK_ER_FAIL);
    BtsdkRemoteServiceAttr attr{};
    while (BTSVCHDL service = Btsdk_EnumRemoteService(enumeration, &attr)) {
        std::printf("%-4u 0x%04X  %s\n", service, attr.service_class, attr.service_name);
    }
    r = Btsdk_EndEnumRemoteService(enumeration);
    return r == BTSDK_OK ? 0 : fail("cannot list the services of " + args[0], r);
}

int servers(const Args&) {
    BTSDKHANDLE enumeration = Btsdk_StartEnumLocalServer();
    if (!enumeration) return fail("cannot list the local servers", BTSDK_ER_FAIL);
    BtsdkLocalServerAttr attr{};
    BTRESULT failed = BTSDK_OK;  // the last status that could not be read
    while (BTSVCHDL server = Btsdk_EnumLocalServer(enumeration, &attr)) {
        BTUINT16 status = 0;
        BTRESULT r = Btsdk_GetServerStatus(server, &status);
        if (r != BTSDK_OK) failed = r;
        std::printf("%-4u 0x%04X  %-8s %s%s\n", server, attr.service_class,
                    r == BTSDK_OK ? statusText(status) : "?", attr.service_name,
                    (attr.security & 7) ? "  (secure)" : "");
        Btsdk_FreeMemory(attr.ext_attributes);
        attr = {};
    }
    BTRESULT r = Btsdk_EndEnumLocalServer(enumeration);
    if (r != BTSDK_OK) return fail("cannot list the local servers", r);
    return failed == BTSDK_OK ? 0 : fail("cannot read the status of every server", failed);
}

int server(const Args& args) {
    BTUINT32 handle = 0;
    if (args.size() != 2 || (args[0] != "start" && args[0] != "stop") || !parseHandle(args[1], &handle))
        return usage("server takes start|stop and a server HANDLE");
    bool start = args[0] == "start";
    BTRESULT r = start ? Btsdk_StartServer(handle) : Btsdk_StopServer(handle);
    if (r != BTSDK_OK) return fail(std::string("cannot ") + args[0] + " server " + args[1], r);
    std::printf("server %u %s\n", handle, start ? "started" : "stopped");
    return 0;
}

// The parameter block's COM port (offset 6, least significant byte first) from
// "--port N" after the DEVICE and CLASS; true when there is none or it is valid.
bool portOption(const Args& args, BTUINT32 serviceClass, std::vector<BTUINT8>& param) {
    if (args.size() == 2) return true;
    BTUINT32 port = 0;
    if (args.size() != 4 || args[2] != "--port" || !parseHandle(args[3], &port) || !port || port > 0xFFFF ||
        !btclass::isSerialType(serviceClass))
        return false;
    param[6] = static_cast<BTUINT8>(port & 0xFF);
    param[7] = static_cast<BTUINT8>(port >> 8);
    return true;
}

int connect(const Args& args) {
    BTUINT32 serviceClass = 0;
    std::vector<BTUINT8> param(772, 0);  // room for the largest parameter block
    if (args.size() < 2 || !parseHandle(args[1], &serviceClass))
        return usage("connect takes a DEVICE and a service CLASS (e.g. 0x1106)");
    if (!portOption(args, serviceClass, param))
        return usage("connect takes --port N (1 to 65535) only after a serial port or dial-up CLASS (0x1101, 0x1103)");
    BTDEVHDL device = knownDevice(args[0]);
    if (!device) return 1;
    BTCONNHDL connection = 0;
    BTRESULT r = Btsdk_ConnectEx(device, static_cast<BTUINT16>(serviceClass), param.data(), &connection);
    if (r != BTSDK_OK) return fail("cannot connect to " + args[0], r);
    std::string line = btclass::isSerialType(serviceClass) ? serialLineOf(connection) : std::string();
    std::printf("connection %u%s%s\n", connection, line.empty() ? "" : " on ", line.c_str());
    return 0;
}

int disconnect(const Args& args) {
    BTUINT32 connection = 0;
    if (args.size() != 1 || !parseHandle(args[0], &connection)) return usage("disconnect takes a connection HANDLE");
    BTRESULT r = Btsdk_Disconnect(connection);
    if (r != BTSDK_OK) return fail("cannot disconnect " + args[0], r);
    std::printf("connection %u closed\n", connection);
    return 0;
}

int connections(const Args&) {
    BTSDKHANDLE enumeration = Btsdk_StartEnumConnection();
    if (!enumeration) return fail("cannot list the connections", BTSDK_ER_FAIL);
    BtsdkConnectionProperty p{};
    while (BTCONNHDL connection = Btsdk_EnumConnection(enumeration, &p)) {
        const char* direction = (p.flags & 3) == 1 ? "in " : "out";
        std::string line = btclass::isSerialType(p.service_class) ? serialLineOf(connection) : std::string();
        std::printf("%-4u %s device %-4u 0x%04X  %6us  %u bytes in, %u out%s%s\n", connection, direction,
                    p.device, p.service_class, p.duration_ms / 1000, p.received_bytes, p.sent_bytes,
                    line.empty() ? "" : "  on ", line.c_str());
    }
    BTRESULT r = Btsdk_EndEnumConnection(enumeration);
    return r == BTSDK_OK ? 0 : fail("cannot list the connections", r);
}

}  // namespace

const Command kServiceCommands[] = {
    {"services", "DEVICE", "browse a device's services and list them", services},
    {"servers", "", "list the local servers and their status", servers},
    {"server", "start|stop HANDLE", "start or stop a local server", server},
    {"connect", "DEVICE CLASS [--port N]",
     "connect to a device's service of that class; a serial port or\n"
     "dial-up connection (0x1101, 0x1103) shows the device that a\n"
     "terminal program opens, on COM port N if given",
     connect},
    {"disconnect", "CONN", "close a connection", disconnect},
    {"connections", "", "list the open connections, serial ones with their device", connections},
    {nullptr, nullptr, nullptr, nullptr},
};

}  // namespace corvctl
