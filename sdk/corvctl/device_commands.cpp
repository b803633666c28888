// Commands about remote devices: discover, devices, pair, unpair, trust, remove.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <mutex>
#include <string>
#include <vector>

#include <unistd.h>

#include "command.h"
#include "corvclient/btsdk.h"
#include "device_lookup.h"

namespace corvctl {
namespace {

// Indications reach us on the library's callback thread, where we may call the library.
void moveCallbacksToTheirThread() { InitBtsdkCbkDbus(); }

template <typename F>
bool registerCallback(BTUINT16 event, F* function) {
    BtsdkCallbackRecord record{event, reinterpret_cast<BtsdkEventCallback>(function)};
    return Btsdk_RegisterCallback(&record) == BTSDK_OK;
}

std::mutex s_lock;
std::condition_variable s_changed;
bool s_inquiryDone = false;
std::atomic<bool> s_foundIncomplete{false};  // a found device the service could not describe

// The device's line for a prompt, where what is missing does not matter.
std::string shown(BTDEVHDL device) {
    std::string line;
    describeDevice(device, line);
    return line;
}

void onInquiryResult(BTUINT32 device) {
    std::string line;
    if (!describeDevice(device, line)) s_foundIncomplete = true;
    std::printf("found %s\n", line.c_str());
}

void onInquiryComplete() {
    std::lock_guard<std::mutex> lock(s_lock);
    s_inquiryDone = true;
    s_changed.notify_all();
}

int discover(const Args& args) {
    unsigned seconds = args.empty() ? 10 : static_cast<unsigned>(std::strtoul(args[0].c_str(), nullptr, 10));
    if (args.size() > 1 || seconds == 0 || seconds > 60) {
        std::fprintf(stderr, "corvctl: discover takes a duration of 1 to 60 seconds\n");
        return 2;
    }
    moveCallbacksToTheirThread();
    if (!registerCallback(BTSDK_INQUIRY_RESULT_IND, onInquiryResult) ||
        !registerCallback(BTSDK_INQUIRY_COMPLETE_IND, onInquiryComplete)) {
        return fail("cannot listen for inquiry results", BTSDK_ER_FAIL);
    }
    BTRESULT r = Btsdk_StartDeviceDiscovery(0, 0, static_cast<BTUINT16>(seconds));
    if (r != BTSDK_OK) return fail("cannot start discovery", r);
    std::unique_lock<std::mutex> lock(s_lock);
    if (!s_changed.wait_for(lock, std::chrono::seconds(seconds + 5), [] { return s_inquiryDone; })) {
        Btsdk_StopDeviceDiscovery();
        return fail("discovery did not complete", BTSDK_ER_FAIL);
    }
    std::printf("discovery complete\n");
    return s_foundIncomplete ? fail("cannot describe every device found", BTSDK_ER_FAIL) : 0;
}

int devices(const Args&) {
    std::vector<BTDEVHDL> known;
    BTRESULT r = knownDevices(known);
    if (r != BTSDK_OK) return fail("cannot list the known devices", r);
    bool complete = true;
    for (BTDEVHDL device : known) {
        std::string line;
        complete = describeDevice(device, line) && complete;
        std::printf("%s\n", line.c_str());
    }
    return complete ? 0 : fail("cannot describe every known device", BTSDK_ER_FAIL);
}

// Reads one answer line; echoes a line end when the answer came from a pipe, which
// the terminal did not echo.
std::string readAnswer() {
    std::string answer;
    std::getline(std::cin, answer);
    if (!isatty(STDIN_FILENO)) std::printf("\n");
    return answer;
}

// Pairing prompts: the answers come from standard input, so a script can pipe them in.
void onPinRequest(BTUINT32 device) {
    std::printf("PIN for %s: ", shown(device).c_str());
    std::fflush(stdout);
    std::string pin = readAnswer();
    Btsdk_PinCodeReply(device, reinterpret_cast<const BTUINT8*>(pin.data()),
                       static_cast<BTUINT16>(pin.size()));
}

void onConfirmRequest(BTUINT32 device, BTUINT32 value) {
    std::printf("Does %06u show on the device? [y/N] ", value);
    std::fflush(stdout);
    std::string answer = readAnswer();
    Btsdk_UsrCfmReqReply(device, !answer.empty() && (answer[0] == 'y' || answer[0] == 'Y'));
}

void onPasskeyNotification(BTUINT32, BTUINT32 passkey) {
    std::printf("Type %06u on the device\n", passkey);
}

void onAuthenticationFail(BTUINT32) { std::printf("authentication failed\n"); }

// Runs one of the device operations on a named device.
int onDevice(const Args& args, const char* verb, BTRESULT (*operation)(BTDEVHDL), const char* done) {
    if (args.size() != 1) {
        std::fprintf(stderr, "corvctl: %s takes one DEVICE (handle, address or name)\n", verb);
        return 2;
    }
    BTDEVHDL device = knownDevice(args[0]);
    if (!device) return 1;
    BTRESULT r = operation(device);
    if (r != BTSDK_OK) return fail(std::string("cannot ") + verb + " " + args[0], r);
    std::printf("%s %s\n", args[0].c_str(), done);
    return 0;
}

// Without its prompts a pairing cannot be answered: it is not started then.
BTRESULT pairDevice(BTDEVHDL device) {
    moveCallbacksToTheirThread();
    if (!registerCallback(BTSDK_PIN_CODE_IND, onPinRequest) ||
        !registerCallback(BTSDK_USR_CFM_REQ_IND, onConfirmRequest) ||
        !registerCallback(BTSDK_PASSKEY_NOTIF_IND, onPasskeyNotification) ||
        !registerCallback(BTSDK_AUTHENTICATION_FAIL_IND, onAuthenticationFail)) {
        return BTSDK_ER_FAIL;
    }
    return Btsdk_PairDevice(device);
}

BTRESULT trustDevice(BTDEVHDL device) { return Btsdk_SetTrustedDevice(0, device, 1); }

int pair(const Args& args) { return onDevice(args, "pair", pairDevice, "paired"); }
int unpair(const Args& args) { return onDevice(args, "unpair", Btsdk_UnPairDevice, "unpaired"); }
int trust(const Args& args) { return onDevice(args, "trust", trustDevice, "trusted"); }
int remove(const Args& args) {
    return onDevice(args, "remove", Btsdk_DeleteRemoteDeviceByHandle, "removed");
}

}  // namespace

const Command kDeviceCommands[] = {
    {"discover", "[SECONDS]", "look for devices in range (10 s unless given)", discover},
    {"devices", "", "list the devices the service knows", devices},
    {"pair", "DEVICE", "pair with a device; PINs and confirmations are read from stdin", pair},
    {"unpair", "DEVICE", "forget a device's pairing", unpair},
    {"trust", "DEVICE", "trust a device", trust},
    {"remove", "DEVICE", "remove a device from the known devices", remove},
    {nullptr, nullptr, nullptr, nullptr},
};

}  // namespace corvctl
