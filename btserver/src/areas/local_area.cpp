// The local-device area: the adapter's name, address, class, discovery mode and LMP
// information, vendor and HCI commands, and the notice that the adapter was removed.
#include <algorithm>
#include <cstring>

#include "areas/areas.h"
#include "core/core.h"
#include "service.h"

namespace btserver {

namespace {

constexpr size_t kVendorReplyBytes = 259;
constexpr uint32_t kMaxHciReplyBytes = 0xFFFF;  // callers ask with a 16-bit length

// The answer to a vendor command: bytes 0-1 the opcode (the command's first two bytes),
// byte 2 the status 0, byte 3 how many parameter bytes follow, then those bytes echoed.
Bytes vendorReply(const Bytes& command) {
    Bytes reply(kVendorReplyBytes, 0);
    size_t opcode = std::min<size_t>(command.size(), 2);
    std::copy(command.begin(), command.begin() + static_cast<std::ptrdiff_t>(opcode),
              reply.begin());
    size_t echoed = std::min(command.size() - opcode, kVendorReplyBytes - 4);
    reply[3] = static_cast<uint8_t>(echoed);
    std::copy(command.begin() + static_cast<std::ptrdiff_t>(opcode),
              command.begin() + static_cast<std::ptrdiff_t>(opcode + echoed), reply.begin() + 4);
    return reply;
}

void vendorCommand(const CallPtr& call) {
    uint32_t length = wordArg(call, 0);
    Bytes command = bytesArg(call, 1);
    Bytes reply = length == command.size() ? vendorReply(command) : Bytes(kVendorReplyBytes, 0);
    uint32_t result = length == command.size() ? kResultOk : kResultBadArgument;
    call->reply(g_variant_new("(u@ay)", result, byteArray(reply)));
}

// The answer to an HCI command, as long as asked: the opcode (little endian) and the
// status 0, zero-filled. The parameters carry the parameter length plus two bytes.
void hciCommand(const CallPtr& call) {
    guint32 opcode = 0, parameterLength = 0, replyLength = 0;
    GVariant* parameters = nullptr;
    g_variant_get(call->args(), "(uuu@ay)", &opcode, &parameterLength, &replyLength, &parameters);
    bool fits = g_variant_n_children(parameters) == uint64_t{parameterLength} + 2 &&
                replyLength <= kMaxHciReplyBytes;
    g_variant_unref(parameters);
    Bytes reply(fits ? replyLength : 0, 0);
    const uint8_t head[3] = {static_cast<uint8_t>(opcode), static_cast<uint8_t>(opcode >> 8), 0};
    std::copy_n(head, std::min(reply.size(), sizeof head), reply.begin());
    call->reply(g_variant_new("(u@ay)", fits ? kResultOk : kResultBadArgument, byteArray(reply)));
}

}  // namespace

void addLocalArea(Service& service) {
    Dispatcher& table = service.dispatcher();
    Service* s = &service;
    Adapter& adapter = service.world().adapter;  // the world object stays, its value is reset
    table.add(kLocalInterface, "get_local_name", [&adapter](const CallPtr& call) {
        call->reply(g_variant_new("(su)", adapter.name.c_str(), kResultOk));
    });
    table.add(kLocalInterface, "set_local_name", [&adapter](const CallPtr& call) {
        const char* name = nullptr;
        g_variant_get(call->args(), "(&s)", &name);
        bool fits = strlen(name) <= Adapter::kMaxNameBytes;
        if (fits)
            adapter.name = name;
        call->reply(g_variant_new("(u)", fits ? kResultOk : kResultBadArgument));
    });
    table.add(kLocalInterface, "get_local_device_address", [&adapter](const CallPtr& call) {
        call->reply(g_variant_new(
            "(@ayu)", byteArray(adapter.address.data(), adapter.address.size()), kResultOk));
    });
    table.add(kLocalInterface, "get_local_device_class", [&adapter](const CallPtr& call) {
        call->reply(g_variant_new("(uu)", adapter.deviceClass, kResultOk));
    });
    table.add(kLocalInterface, "set_local_device_class", [&adapter](const CallPtr& call) {
        g_variant_get(call->args(), "(u)", &adapter.deviceClass);
        call->reply(g_variant_new("(u)", kResultOk));
    });
    table.add(kLocalInterface, "get_discovery_mode", [&adapter](const CallPtr& call) {
        call->reply(g_variant_new("(uu)", guint32{adapter.discoveryMode}, kResultOk));
    });
    table.add(kLocalInterface, "set_discovery_mode", [&adapter](const CallPtr& call) {
        guint32 mode = 0;
        g_variant_get(call->args(), "(u)", &mode);
        adapter.discoveryMode = static_cast<uint16_t>(mode);
        call->reply(g_variant_new("(u)", kResultOk));
    });
    table.add(kLocalInterface, "set_default_mode", [s, &adapter](const CallPtr& call) {
        adapter.discoveryMode = s->scenario().adapter.discoveryMode;
        call->reply(g_variant_new("(u)", kResultOk));
    });
    table.add(kLocalInterface, "get_local_lmp_info", [&adapter](const CallPtr& call) {
        call->reply(g_variant_new(
            "(@ayu)", byteArray(adapter.lmpInfo.data(), adapter.lmpInfo.size()), kResultOk));
    });
    table.add(kLocalInterface, "vendor_command", vendorCommand);
    table.add(kLocalInterface, "excute_hci_command", hciCommand);
    table.add(kLocalInterface, "bt_dev_unplug", [s, &adapter](const CallPtr& call) {
        adapter.powered = false;
        announceStatus(*s, kStatusRemoved);
        call->reply(g_variant_new("(i)", 0));
    });
}

}  // namespace btserver
