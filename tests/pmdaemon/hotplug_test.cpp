// The hot-plug detector reading uevents from a socket pair in place of the kernel's
// netlink socket: adapter arrivals and removals, the "mervoxa" radio device's state,
// the sleep state, and messages that are cut or malformed.
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include <gtest/gtest.h>

#include "daemon_root.h"
#include "file_detector.h"
#include "harness.h"
#include "hotplug.h"
#include "pm_event.h"
#include "pm_threads.h"
#include "queue_probe.h"
#include "uevent.h"

using pmtest::Types;

namespace {

// A uevent as the kernel sends it: "ACTION@DEVPATH", then KEY=VALUE strings, each ended
// by a NUL.
std::string uevent(const std::string& action, const std::string& devpath,
                   const std::string& more = "SUBSYSTEM=bluetooth") {
    std::string message = action + "@" + devpath;
    message += '\0';
    for (const std::string& item : {"ACTION=" + action, "DEVPATH=" + devpath, more}) {
        message += item;
        message += '\0';
    }
    return message;
}

const std::string kBtusb = "/devices/pci0000:00/usb1/1-1/1-1:1.0/btusb0";
const std::string kMervoxa = "/devices/platform/mmc0/mmc0:0001/mervoxa";

class Hotplug : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(socketpair(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0, pair_), 0);
        set_uevent_source(pair_[1]);
        ASSERT_TRUE(start_detect_thread(PM_THREAD_HOTPLUG));
    }
    void TearDown() override {
        stop_detect_thread(PM_THREAD_HOTPLUG);  // closes its end
        stop_detect_thread(PM_THREAD_FILE_STATUS);
        close(pair_[0]);
    }

    void send(const std::string& message) {
        ASSERT_EQ(::send(pair_[0], message.data(), message.size(), 0),
                  static_cast<ssize_t>(message.size()));
    }
    // Sends an adapter removal and returns what was queued up to its event (the messages
    // before it must queue no removal of their own).
    Types untilBarrier() {
        send(uevent("remove", kBtusb));
        EXPECT_TRUE(corvtest::waitFor([] {
            Types types = pmtest::queuedTypes();
            return !types.empty() && types.back() == PM_EV_HW_UNPLUG;
        }));
        return pmtest::takeQueued();
    }
    // Runs the state-file detector too and waits until it watches.
    void startFileDetector() {
        ASSERT_TRUE(start_detect_thread(PM_THREAD_FILE_STATUS));
        ASSERT_TRUE(corvtest::waitFor([&] {
            pmtest::writeFile(root.sysState(), "thaw\n");
            return pmtest::waitForQueued(1, 20);
        }));
        pmtest::takeQueued();
    }

    pmtest::DaemonRoot root;
    int pair_[2] = {-1, -1};
};

TEST_F(Hotplug, AdapterArrivalsAndRemovalsAreReported) {
    send(uevent("add", kBtusb));
    send(uevent("change", kBtusb));
    send(uevent("add", "/devices/pci0000:00/usb1/1-2/input/mouse0"));
    send(uevent("add", kBtusb));  // btusb0 keeps no state: each one counts
    EXPECT_EQ(untilBarrier(), (Types{PM_EV_HW_PLUGIN, PM_EV_HW_PLUGIN, PM_EV_HW_UNPLUG}));
}

// Handled on the test's thread, so that equal events need no barrier between them.
TEST_F(Hotplug, SecondRemovalOfTheRadioDeviceIsIgnored) {
    int mervoxa = PM_PLUG_UNKNOWN;
    for (const std::string& message :
         {uevent("remove", kBtusb), uevent("remove", kBtusb), uevent("remove", kMervoxa),
          uevent("remove", kMervoxa), uevent("remove", kMervoxa + "/hci0")})
        handle_uevent(message.c_str(), message.size(), &mervoxa);
    EXPECT_EQ(mervoxa, PM_PLUG_REMOVED);
    EXPECT_EQ(pmtest::takeQueued(), (Types{PM_EV_HW_UNPLUG, PM_EV_HW_UNPLUG, PM_EV_HW_UNPLUG}));
}

TEST_F(Hotplug, RadioDeviceArrivalRestartsTheStateFileDetector) {
    startFileDetector();
    // The device's rfkill entry appears with it; the running detector does not watch it.
    std::string rfkill = root.addRfkill();
    pmtest::writeFile(rfkill, "1\n");
    send(uevent("add", kMervoxa));
    // The new detector watches the rfkill file: an outside change comes through.
    ASSERT_TRUE(corvtest::waitFor(
        [&] {
            pmtest::writeFile(rfkill, "1\n");
            return pmtest::queuedTypes().size() == 2;
        },
        6000));
    Types types = pmtest::takeQueued();
    std::sort(types.begin(), types.end());  // two threads push them
    EXPECT_EQ(types, (Types{PM_EV_HW_PLUGIN, PM_EV_RF_SW_KILL_ON}));
    send(uevent("add", kMervoxa));  // present already: no restart, no event
    EXPECT_EQ(untilBarrier(), Types{PM_EV_HW_UNPLUG});
}

// The sleep state comes from the real state-file detector; the messages are handled on
// the test's thread so that each is done before the next file write.
TEST_F(Hotplug, ArrivalsAndRemovalsDuringSleepAreIgnored) {
    startFileDetector();
    int mervoxa = PM_PLUG_UNKNOWN;
    for (const char* sleep : {"suspend\n", "hibernate\n"}) {
        pmtest::writeFile(root.sysState(), sleep);
        ASSERT_TRUE(pmtest::waitForQueued(1));
        pmtest::takeQueued();
        ASSERT_NE(s_sys_state, 0);
        for (const std::string& message :
             {uevent("add", kBtusb), uevent("remove", kBtusb), uevent("remove", kMervoxa)})
            handle_uevent(message.c_str(), message.size(), &mervoxa);
        EXPECT_EQ(pmtest::queuedTypes(), Types{}) << sleep;
        pmtest::writeFile(root.sysState(), "resume\n");
        ASSERT_TRUE(pmtest::waitForQueued(1));
        pmtest::takeQueued();
        ASSERT_EQ(s_sys_state, 0);
    }
    // The removal during the sleep was still noted: the radio device is gone.
    std::string removal = uevent("remove", kMervoxa);
    handle_uevent(removal.c_str(), removal.size(), &mervoxa);
    std::string arrival = uevent("add", kBtusb);
    handle_uevent(arrival.c_str(), arrival.size(), &mervoxa);
    EXPECT_EQ(pmtest::takeQueued(), Types{PM_EV_HW_PLUGIN});
}

TEST_F(Hotplug, MalformedMessagesPushNothing) {
    std::string noNul = "add@" + kBtusb + "ACTION=add" + "DEVPATH=" + kBtusb;
    std::string noEquals = uevent("add", kBtusb);
    for (char& c : noEquals)
        if (c == '=')
            c = ' ';
    std::string headerOnly = "add@" + kBtusb;
    headerOnly += '\0';
    std::string unterminated(256, 'A');
    unterminated.replace(0, 10, "add@btusb0");
    // The key is cut by the 256-byte limit before its NUL: its value is not taken.
    std::string cutDevpath = "add@/x";
    cutDevpath += '\0';
    cutDevpath += std::string("ACTION=add") + '\0' + "DEVPATH=/devices/btusb0/" +
                  std::string(300, 'p') + '\0';
    std::string keyAsSuffix = "add@/x";
    keyAsSuffix += '\0';
    keyAsSuffix += std::string("XACTION=add") + '\0' + "MYDEVPATH=" + kBtusb + '\0';
    std::string emptyFirst = "add@/x";
    emptyFirst += '\0';
    emptyFirst += '\0';
    emptyFirst += std::string("ACTION=add") + '\0' + "DEVPATH=" + kBtusb + '\0';

    for (const std::string& message :
         {std::string(), noNul, noEquals, headerOnly, unterminated, cutDevpath, keyAsSuffix,
          emptyFirst, std::string(1, '\0'), uevent("add", "")})
        send(message);
    EXPECT_EQ(untilBarrier(), Types{PM_EV_HW_UNPLUG});
}

TEST_F(Hotplug, LongMessagesAreReadUpToTheirFirst256Bytes) {
    send(uevent("add", kBtusb, "MODALIAS=" + std::string(400, 'm')));
    EXPECT_EQ(untilBarrier(), (Types{PM_EV_HW_PLUGIN, PM_EV_HW_UNPLUG}));
}

}  // namespace
