// Commands of single profiles: pushing a file to a device, dialling out through a
// dial-up shortcut and hanging up.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "command.h"
#include "connection_target.h"
#include "corvclient/btsdk.h"
#include "device_lookup.h"
#include "local_path.h"
#include "transfer_progress.h"

namespace corvctl {
namespace {

int push(const Args& args) {
    if (args.size() != 2) {
        std::fprintf(stderr, "corvctl: push takes a DEVICE and a FILE\n");
        return 2;
    }
    BTDEVHDL device = knownDevice(args[0]);
    if (!device) return 1;
    std::vector<BTUINT8> param(772, 0);
    BTCONNHDL connection = 0;
    BTRESULT r = Btsdk_ConnectEx(device, 0x1105, param.data(), &connection);
    if (r != BTSDK_OK) return fail("cannot reach the object push service of " + args[0], r);
    Btsdk_OPPRegisterStatusCallback(connection, showProgress);
    std::string path = absolutePath(args[1]);
    int status = runTransfer([&] { return Btsdk_OPPPushObj(connection, path.c_str()); },
                             [connection] { Btsdk_OPPCancelTransfer(connection); }, "push",
                             "pushed", args[1]);
    r = Btsdk_Disconnect(connection);
    if (r != BTSDK_OK && status == 0) return fail("cannot close the object push connection", r);
    return status;
}

// The dial parameters a dial-up shortcut keeps in its 295-byte block.
struct DialParameters {
    static constexpr size_t kBlockSize = 295;
    std::string user, password, number, ip, dns1, dns2, init;
};

std::string textAt(const BTUINT8* block, size_t offset, size_t width) {
    const char* text = reinterpret_cast<const char*>(block + offset);
    return std::string(text, strnlen(text, width - 1));
}

// The shortcut's parameters and its connection (0 when it is not connected).
BTRESULT readShortcut(BTSHCHDL shortcut, DialParameters& out, BTCONNHDL* connection) {
    BTUINT8 block[DialParameters::kBlockSize] = {};
    BtsdkShortcutProperty property{};
    property.shortcut = shortcut;
    property.mask = BTSDK_SHC_MASK_ATTRIBUTES;
    property.attr_len = sizeof block;
    property.attributes = block;
    BTRESULT r = Btsdk_GetShortCutProperty(&property);
    if (r != BTSDK_OK && r != BTSDK_SHC_RESULT_PARTIAL) return r;
    *connection = property.connection;
    out.user = textAt(block, 100, 30);
    out.password = textAt(block, 130, 30);
    out.number = textAt(block, 160, 20);
    out.ip = textAt(block, 180, 20);
    out.dns1 = textAt(block, 200, 20);
    out.dns2 = textAt(block, 220, 20);
    out.init = textAt(block, 240, 50);
    return BTSDK_OK;
}

// dial SHORTCUT [NUMBER]: the number given, or the one the shortcut keeps.
int dial(const Args& args) {
    BTUINT32 shortcut = 0;
    if (args.empty() || args.size() > 2 || !parseHandle(args[0], &shortcut)) {
        std::fprintf(stderr, "corvctl: dial takes a dial-up SHORTCUT and optionally a NUMBER\n");
        return 2;
    }
    DialParameters p;
    BTCONNHDL connection = 0;
    BTRESULT r = readShortcut(shortcut, p, &connection);
    if (r != BTSDK_OK) return fail("no shortcut " + args[0], r);
    if (args.size() == 2) p.number = args[1];
    if (p.number.empty()) {
        std::fprintf(stderr, "corvctl: shortcut %u keeps no phone number; give a NUMBER\n", shortcut);
        return 2;
    }
    bool connectedHere = !connection;
    if (connectedHere && (r = connectShortcut(shortcut, &connection)) != BTSDK_OK)
        return fail("cannot connect shortcut " + args[0], r);
    BTUINT16 port = Btsdk_GetServerPort(connection);
    if (!port) {
        if (connectedHere) Btsdk_DisconnectShortCut(shortcut);
        return fail("no serial port for the connection of shortcut " + args[0], BTSDK_ER_FAIL);
    }
    std::string device = "ttyB" + std::to_string(port);
    r = Btsdk_DunDial(p.ip.c_str(), p.dns1.c_str(), p.dns2.c_str(), p.user.c_str(),
                      p.password.c_str(), p.number.c_str(), p.init.c_str(), device.c_str());
    if (r != BTSDK_OK) {
        if (connectedHere) Btsdk_DisconnectShortCut(shortcut);
        return fail("cannot dial " + p.number, r);
    }
    std::printf("dialled %s on %s\n", p.number.c_str(), device.c_str());
    return 0;
}

int hangup(const Args& args) {
    if (!args.empty()) {
        std::fprintf(stderr, "corvctl: hangup takes no arguments\n");
        return 2;
    }
    BTRESULT r = Btsdk_DunHangUp();
    if (r != BTSDK_OK) return fail("cannot hang up", r);
    std::printf("hung up\n");
    return 0;
}

}  // namespace

const Command kProfileCommands[] = {
    {"push", "DEVICE FILE", "send a file to a device's object push service", push},
    {"dial", "SHORTCUT [NUMBER]", "dial out through a dial-up shortcut", dial},
    {"hangup", "", "end the dial-up call", hangup},
    {nullptr, nullptr, nullptr, nullptr},
};

}  // namespace corvctl
