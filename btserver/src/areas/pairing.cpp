// Pairing: "pair_device" answers only when pairing is over. The device's pairing kind
// decides the steps:
//   pin      "pin_request_ind" (device), then "pin_code_reply" with the device's PIN;
//   confirm  "usr_cfm_req_ind" (device, numeric value), then "usr_cfm_req_reply" with a
//            non-zero answer;
//   passkey  "passkey_notification_ind" (device, passkey); the device takes its while to
//            have the passkey typed;
//   none     the device takes its while.
// Success: the paired flag and a new link key, "simple_pair_complete_ind" (device, 0) for
// the kinds other than pin, "link_key_notification_ind" (device, 16-byte key), result 0.
// A wrong PIN or a refused confirmation (result 6) or no answer within the pairing
// timeout (result 7): the device is no longer paired, "simple_pair_complete_ind" (device,
// the result) for the kinds other than pin, "authentication_fail_ind" (device), and that
// result. A PIN or confirmation reply that no pairing waits for is accepted and ignored;
// "passkey_req_reply", "linkkey_reply" and "io_cap_req_reply" are accepted (result 0).
#include <algorithm>

#include "areas/areas.h"
#include "core/core.h"
#include "service.h"

namespace btserver {

namespace {

std::vector<HeldCall>::iterator findPairing(World& world, uint32_t id) {
    return std::find_if(world.pairings.begin(), world.pairings.end(),
                        [id](const HeldCall& held) { return held.id == id; });
}

// Ends the pairing with the id, if it still runs.
void finish(Service& service, uint32_t id, uint32_t result) {
    World& world = service.world();
    auto held = findPairing(world, id);
    if (held == world.pairings.end())
        return;
    HeldCall pairing = *held;
    world.pairings.erase(held);
    RemoteDevice* device = world.device(pairing.device);
    if (!device)
        return pairing.call->reply(g_variant_new("(u)", kResultUnknownHandle));
    SignalEmitter& signals = service.signals();
    device->paired = result == kResultOk;
    device->linkKey.clear();
    if (device->pairing != PairingKind::Pin)
        signals.emit(kCallbackInterface, "simple_pair_complete_ind",
                     g_variant_new("(uu)", device->handle, result));
    if (result == kResultOk) {
        while (device->linkKey.size() < RemoteDevice::kLinkKeyBytes)
            device->linkKey.push_back(static_cast<uint8_t>(g_random_int()));
        signals.emit(kCallbackInterface, "link_key_notification_ind",
                     g_variant_new("(u@ay)", device->handle, byteArray(device->linkKey)));
    } else {
        signals.emit(kCallbackInterface, "authentication_fail_ind",
                     g_variant_new("(u)", device->handle));
    }
    pairing.call->reply(g_variant_new("(u)", result));
}

uint32_t refusal(World& world, RemoteDevice* device) {
    if (!device)
        return kResultUnknownHandle;
    if (!world.adapter.powered)
        return kResultFailed;
    if (!device->inRange)
        return kResultOutOfRange;
    bool pairing =
        std::any_of(world.pairings.begin(), world.pairings.end(),
                    [device](const HeldCall& held) { return held.device == device->handle; });
    return pairing ? kResultBusy : kResultOk;
}

void pair(Service& service, const CallPtr& call) {
    World& world = service.world();
    RemoteDevice* device = world.knownDevice(wordArg(call, 0));
    if (uint32_t result = refusal(world, device))
        return call->reply(g_variant_new("(u)", result));
    uint32_t id = world.newId(), handle = device->handle;
    world.pairings.push_back(HeldCall{id, handle, call});
    Service* s = &service;
    service.timers().after(world.timing.pairingTimeoutMs,
                           [s, id] { finish(*s, id, kResultTimeout); });
    SignalEmitter& signals = service.signals();
    switch (device->pairing) {
        case PairingKind::Pin:
            signals.emit(kCallbackInterface, "pin_request_ind", g_variant_new("(u)", handle));
            break;
        case PairingKind::Confirm:
            signals.emit(kCallbackInterface, "usr_cfm_req_ind",
                         g_variant_new("(uu)", handle, device->passkey));
            break;
        case PairingKind::Passkey:
            signals.emit(kCallbackInterface, "passkey_notification_ind",
                         g_variant_new("(uu)", handle, device->passkey));
            [[fallthrough]];
        case PairingKind::None:
            service.timers().after(device->pairDelayMs, [s, id] { finish(*s, id, kResultOk); });
            break;
    }
}

// The pairing of the device that waits for an answer of the kind, or 0.
uint32_t waitingPairing(World& world, uint32_t handle, PairingKind kind) {
    RemoteDevice* device = world.device(handle);
    for (const HeldCall& held : world.pairings)
        if (held.device == handle && device && device->pairing == kind)
            return held.id;
    return 0;
}

void pinReply(Service& service, const CallPtr& call) {
    uint32_t handle = wordArg(call, 0), length = wordArg(call, 2);
    Bytes pin = bytesArg(call, 1);
    if (length > pin.size())
        return call->reply(g_variant_new("(u)", kResultBadArgument));
    if (uint32_t id = waitingPairing(service.world(), handle, PairingKind::Pin)) {
        const std::string& expected = service.world().device(handle)->pin;
        bool right = std::string(pin.begin(), pin.begin() + length) == expected;
        finish(service, id, right ? kResultOk : kResultAuthFailed);
    }
    call->reply(g_variant_new("(u)", kResultOk));
}

void confirmReply(Service& service, const CallPtr& call) {
    uint32_t handle = wordArg(call, 0), answer = wordArg(call, 1);
    if (uint32_t id = waitingPairing(service.world(), handle, PairingKind::Confirm))
        finish(service, id, answer ? kResultOk : kResultAuthFailed);
    call->reply(g_variant_new("(u)", kResultOk));
}

}  // namespace

void addPairing(Service& service) {
    Dispatcher& table = service.dispatcher();
    Service* s = &service;
    table.add(kRemoteInterface, "pair_device", [s](const CallPtr& call) { pair(*s, call); });
    table.add(kRemoteInterface, "pin_code_reply", [s](const CallPtr& call) { pinReply(*s, call); });
    table.add(kRemoteInterface, "usr_cfm_req_reply",
              [s](const CallPtr& call) { confirmReply(*s, call); });
    table.add(kRemoteInterface, "unpair_device", [s](const CallPtr& call) {
        RemoteDevice* device = s->world().knownDevice(wordArg(call, 0));
        if (device) {
            device->paired = false;
            device->linkKey.clear();
        }
        call->reply(g_variant_new("(u)", device ? kResultOk : kResultUnknownHandle));
    });
    table.add(kRemoteInterface, "is_device_paired", [s](const CallPtr& call) {
        RemoteDevice* device = s->world().knownDevice(wordArg(call, 0));
        call->reply(g_variant_new("(uu)", device && device->paired ? 1u : 0u,
                                  device ? kResultOk : kResultUnknownHandle));
    });
}

}  // namespace btserver
