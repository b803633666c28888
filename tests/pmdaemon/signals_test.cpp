// The signal listener: the service's kill-switch and hardware-error signals become
// events, and the daemon's own rfkill write does not come back as a software kill.
#include <unistd.h>

#include <gtest/gtest.h>

#include "daemon_root.h"
#include "dispatcher.h"
#include "file_detector.h"
#include "output_capture.h"
#include "pm_event.h"
#include "pm_threads.h"
#include "queue_probe.h"
#include "stand_in.h"

using pmtest::methodsCalled;
using Methods = std::vector<std::string>;
using pmtest::Types;

namespace {

class Signals : public testing::Test {
protected:
    void SetUp() override { pmtest::useFastWorld(); }
    void TearDown() override {
        stop_detect_thread(PM_THREAD_FILE_STATUS);
        stop_detect_thread(PM_THREAD_SIGNALS);
    }

    pmtest::DaemonRoot root;
};

TEST_F(Signals, KillCodesAndHardwareErrorsBecomeEvents) {
    pmtest::startListener();
    pmtest::emitVendorEvent(0xF1);
    pmtest::emitVendorEvent(0xF2);  // no event of its own
    pmtest::emitVendorEvent(0xF0);
    pmtest::emitVendorEvent(0x10);
    pmtest::service().emitSignal(pmtest::kCallback, "hardware_error_ind", "(byte 0x2a,)");
    ASSERT_TRUE(pmtest::waitForQueued(3));
    EXPECT_EQ(pmtest::takeQueued(),
              (Types{PM_EV_RF_HW_KILL_ON, PM_EV_RF_HW_KILL_OFF, PM_EV_HW_ERROR}));
}

TEST_F(Signals, UnknownCodeWakesTheDispatcherWithoutAnEvent) {
    root.addRfkill();
    pmtest::startListener();
    pmtest::OutputCapture out(STDOUT_FILENO);
    ASSERT_TRUE(dispatch_pm_events());
    pmtest::emitVendorEvent(0xF2);
    pmtest::emitVendorEvent(0xF0);
    ASSERT_TRUE(out.waitFor("receive event rf_hw_kill_off."));
    EXPECT_EQ(out.lines(), Methods{"receive event rf_hw_kill_off."});
    EXPECT_EQ(pmtest::readFile(root.rfkillState()), "2");
    EXPECT_EQ(methodsCalled(), Methods{});
}

TEST_F(Signals, ControllerEventsOfTheServiceRunTheirRecovery) {
    pmtest::startListener();
    pmtest::OutputCapture out(STDOUT_FILENO);
    ASSERT_TRUE(dispatch_pm_events());
    // A controller failure leaves Bluetooth off; the daemon stops and starts it again.
    ASSERT_TRUE(pmtest::control("RaiseHardwareError", g_variant_new("(y)", 7)));
    ASSERT_TRUE(corvtest::waitFor([] { return methodsCalled().size() == 2; }));
    EXPECT_EQ(methodsCalled(), (Methods{"suspend", "resume"}));
    EXPECT_TRUE(corvtest::waitFor([] { return pmtest::adapterPowered(); }));

    root.addRfkill();
    ASSERT_TRUE(pmtest::control("SetHardwareKill", g_variant_new("(b)", TRUE)));
    ASSERT_TRUE(out.waitFor("receive event rf_hw_kill_on."));
    EXPECT_FALSE(pmtest::adapterPowered());
    EXPECT_EQ(pmtest::readFile(root.rfkillState()), "1");
    ASSERT_TRUE(pmtest::control("SetHardwareKill", g_variant_new("(b)", FALSE)));
    ASSERT_TRUE(out.waitFor("receive event rf_hw_kill_off."));
    EXPECT_EQ(pmtest::readFile(root.rfkillState()), "2");
}

// The listener, the dispatcher and the state-file detector together: the rfkill file
// the dispatcher writes for a hardware kill is seen by the detector, which knows it for
// the daemon's own write; a write from outside is a software kill.
TEST_F(Signals, OwnRfkillWriteIsNoSoftwareKill) {
    std::string state = root.addRfkill();
    ASSERT_TRUE(start_detect_thread(PM_THREAD_FILE_STATUS));
    // The detector watches once a state change comes through.
    ASSERT_TRUE(corvtest::waitFor([&] {
        pmtest::writeFile(root.sysState(), "thaw\n");
        return pmtest::waitForQueued(1, 20);
    }));
    pmtest::takeQueued();
    pmtest::startListener();
    pmtest::OutputCapture out(STDOUT_FILENO);
    ASSERT_TRUE(dispatch_pm_events());

    pmtest::emitVendorEvent(0xF1);
    ASSERT_TRUE(out.waitFor("receive event rf_hw_kill_on."));
    EXPECT_EQ(pmtest::readFile(state), "1");
    // Once the device file's change is through, the detector has seen the own write too.
    pmtest::writeFile(root.devState(), "suspend\n");
    ASSERT_TRUE(out.waitFor("receive event dev_suspend."));
    pmtest::writeFile(state, "0\n");
    ASSERT_TRUE(out.waitFor("receive event rf_sw_kill_off."));
    EXPECT_EQ(out.lines(), (Methods{"receive event rf_hw_kill_on.", "receive event dev_suspend.",
                                    "receive event rf_sw_kill_off."}));
    std::vector<corvtest::RecordedCall> commands = pmtest::callsOf("vendor_command");
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].ay(1).at(3), 0x00);  // radio on: the kill-off command
}

}  // namespace
