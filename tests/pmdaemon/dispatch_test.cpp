// The dispatcher and its handlers: what each event makes the daemon call and print, in
// queue order, with the FIFO notice of a suspend and the failures of the service.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "daemon_root.h"
#include "dispatcher.h"
#include "notify.h"
#include "output_capture.h"
#include "pm_event.h"
#include "queue_probe.h"
#include "stand_in.h"

using pmtest::methodsCalled;
using Methods = std::vector<std::string>;

namespace {

class Dispatch : public testing::Test {
protected:
    void SetUp() override { pmtest::useFastWorld(); }
    void start() { ASSERT_TRUE(dispatch_pm_events()); }

    pmtest::DaemonRoot root;
    pmtest::OutputCapture out{STDOUT_FILENO};
};

// Reads what a writer put into the FIFO, waiting up to timeoutMs for it. Once a writer
// has closed it the FIFO reads as ended until the next one writes, so it is polled.
std::string readFifo(int fd, int timeoutMs = 5000) {
    std::string got;
    corvtest::waitFor(
        [&] {
            char bytes[16];
            ssize_t count = read(fd, bytes, sizeof bytes);
            if (count > 0)
                got.assign(bytes, static_cast<size_t>(count));
            return !got.empty();
        },
        timeoutMs);
    return got;
}

TEST_F(Dispatch, FifteenQueuedEventsAreHandledInOrderAndTheSixteenthIsLost) {
    root.addRfkill();
    const pmtest::Types events = {8, 7, 11, 12, 5, 3, 4, 13, 14, 16, 0xFFFF, 1, 2, 6, 8};
    pthread_mutex_lock(&mutex_pm_event);
    for (int type : events) EXPECT_TRUE(push_current_event(pm_event_new(type, nullptr, 0)));
    EXPECT_FALSE(push_current_event(pm_event_new(PM_EV_RF_SW_KILL_ON, nullptr, 0)));
    EXPECT_EQ(ev_cur_len, 15);
    EXPECT_EQ(ev_queue[15], nullptr);
    pthread_mutex_unlock(&mutex_pm_event);

    start();
    ASSERT_TRUE(out.waitFor("receive event hw_plugin.", 2));
    // One more event after the fifteenth: the sixteenth would have been handled before it.
    pmtest::pushEvents({PM_EV_DEV_SUSPEND});
    ASSERT_TRUE(out.waitFor("receive event dev_suspend.", 2));

    EXPECT_EQ(out.lines(),
              (Methods{"receive event hw_plugin.", "receive event hw_unplug.",
                       "receive event rf_sw_kill_on.", "receive event rf_sw_kill_off.",
                       "receive event dev_suspend.", "receive event sys_resume_from_suspend.",
                       "receive event sys_resume_from_hibernate.", "receive event rf_hw_kill_on.",
                       "receive event rf_hw_kill_off.", "unknown event,ingore it!",
                       "receive event sys_suspend.", "receive event sys_hibernate.",
                       "unknown event,ingore it!", "receive event hw_plugin.",
                       "receive event dev_suspend."}));
    EXPECT_EQ(methodsCalled(), (Methods{"resume",                    // hw_plugin
                                        "bt_dev_unplug", "suspend",  // hw_unplug
                                        "vendor_command",            // rf_sw_kill_on
                                        "vendor_command",            // rf_sw_kill_off
                                        "resume", "resume",          // the two resumes
                                        "suspend", "resume",         // hw_error
                                        "suspend",                   // sys_suspend
                                        "bt_dev_unplug", "suspend",  // sys_hibernate
                                        "resume"}));                 // hw_plugin
    EXPECT_EQ(pmtest::readFile(root.rfkillState()), "2");            // rf_hw_kill_on, then off
    EXPECT_EQ(pmtest::queuedTypes(), pmtest::Types{});
}

TEST_F(Dispatch, SoftwareKillsSendTheVendorCommandOf260Bytes) {
    start();
    pmtest::pushEvents({PM_EV_RF_SW_KILL_ON, PM_EV_RF_SW_KILL_OFF});
    ASSERT_TRUE(out.waitFor("receive event rf_sw_kill_off."));
    std::vector<corvtest::RecordedCall> calls = pmtest::callsOf("vendor_command");
    ASSERT_EQ(calls.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        std::vector<uint8_t> expected(260, 0);
        expected[0] = 0xF0;  // command 0x3F0, little endian
        expected[1] = 0x03;
        expected[2] = 1;                     // one parameter byte
        expected[3] = i == 0 ? 0x01 : 0x00;  // radio off, then on again
        EXPECT_EQ(calls[i].u(0), 260u);
        EXPECT_EQ(calls[i].ay(1), expected) << "call " << i;
    }
}

TEST_F(Dispatch, HardwareKillsWriteTheRfkillFileAndNeedOne) {
    start();
    pmtest::pushEvents({PM_EV_RF_HW_KILL_ON});  // no device: nothing to write
    ASSERT_TRUE(out.waitFor("receive event rf_hw_kill_on."));
    std::string state = root.addRfkill();
    pmtest::writeFile(state, "0\n");
    pmtest::pushEvents({PM_EV_RF_HW_KILL_ON});
    ASSERT_TRUE(out.waitFor("receive event rf_hw_kill_on.", 2));
    EXPECT_EQ(pmtest::readFile(state), "1");
    pmtest::pushEvents({PM_EV_RF_HW_KILL_OFF});
    ASSERT_TRUE(out.waitFor("receive event rf_hw_kill_off."));
    EXPECT_EQ(pmtest::readFile(state), "2");
    EXPECT_EQ(methodsCalled(), Methods{});
}

TEST_F(Dispatch, ResumeIsSentOnceMoreAfterANonZeroResult) {
    corvtest::ReplyOverride refused;
    refused.result = 3;
    pmtest::service().setReply(pmtest::kPower, "resume", refused);
    start();
    pmtest::pushEvents({PM_EV_SYS_RESUME_FROM_SUSPEND, PM_EV_DEV_SUSPEND});
    ASSERT_TRUE(out.waitFor("receive event dev_suspend."));
    EXPECT_EQ(methodsCalled(), (Methods{"resume", "resume"}));

    pmtest::service().clearReplies();
    pmtest::service().clearCalls();
    pmtest::pushEvents({PM_EV_HW_PLUGIN, PM_EV_DEV_SUSPEND});
    ASSERT_TRUE(out.waitFor("receive event dev_suspend.", 2));
    EXPECT_EQ(methodsCalled(), Methods{"resume"});
}

TEST_F(Dispatch, ServiceFailuresArePrintedAndTheNextEventIsHandled) {
    pmtest::OutputCapture err(STDERR_FILENO);
    corvtest::ReplyOverride failure;
    failure.error = "com.zel.corvane.Error.Failed";
    failure.message = "radio busy";
    for (const char* method : {"bt_dev_unplug", "vendor_command"})
        pmtest::service().setReply(pmtest::kLocal, method, failure);
    pmtest::service().setReply(pmtest::kPower, "resume", failure);
    start();
    pmtest::pushEvents({PM_EV_HW_UNPLUG, PM_EV_RF_SW_KILL_ON, PM_EV_HW_PLUGIN, PM_EV_DEV_SUSPEND});
    ASSERT_TRUE(out.waitFor("receive event dev_suspend."));
    EXPECT_EQ(err.count("call dbus method \"bt_dev_unplug\" failed.error:radio busy.\n"), 1);
    EXPECT_EQ(err.count("call dbus method \"vendor_command\" failed.error:radio busy.\n"), 1);
    // A failed resume is not repeated: only a non-zero result is.
    EXPECT_EQ(err.count("call dbus method \"resume\" failed.error:radio busy.\n"), 1);
    EXPECT_EQ(methodsCalled(), (Methods{"bt_dev_unplug", "suspend", "vendor_command", "resume"}));
}

TEST_F(Dispatch, ServiceThatLeftAndCameBackIsCalledAgain) {
    pmtest::OutputCapture err(STDERR_FILENO);
    start();
    pmtest::service().stop();
    pmtest::pushEvents({PM_EV_HW_PLUGIN});
    ASSERT_TRUE(err.waitFor("call dbus method \"resume\" failed.error:"));
    pmtest::service().start();
    pmtest::useFastWorld();
    pmtest::pushEvents({PM_EV_HW_UNPLUG});
    ASSERT_TRUE(out.waitFor("receive event hw_unplug."));
    ASSERT_TRUE(corvtest::waitFor([] { return methodsCalled().size() == 2; }));
    EXPECT_EQ(methodsCalled(), (Methods{"bt_dev_unplug", "suspend"}));
}

TEST_F(Dispatch, SuspendTurnsBluetoothOffAndResumeOn) {
    start();
    pmtest::pushEvents({PM_EV_SYS_SUSPEND});
    ASSERT_TRUE(corvtest::waitFor([] { return !pmtest::adapterPowered(); }));
    pmtest::pushEvents({PM_EV_SYS_RESUME_FROM_SUSPEND});
    ASSERT_TRUE(corvtest::waitFor([] { return pmtest::adapterPowered(); }));
    pmtest::pushEvents({PM_EV_SYS_HIBERNATE});
    ASSERT_TRUE(corvtest::waitFor([] { return !pmtest::adapterPowered(); }));
    pmtest::pushEvents({PM_EV_SYS_RESUME_FROM_HIBERNATE});
    ASSERT_TRUE(corvtest::waitFor([] { return pmtest::adapterPowered(); }));
}

TEST_F(Dispatch, SuspendWithoutFifoGoesOnAtOnce) {
    pmtest::OutputCapture err(STDERR_FILENO);
    start();
    pmtest::pushEvents({PM_EV_SYS_SUSPEND, PM_EV_SYS_HIBERNATE, PM_EV_HW_PLUGIN});
    ASSERT_TRUE(out.waitFor("receive event hw_plugin.", 1, 2000));
    EXPECT_EQ(err.count("FIFO"), 0) << err.text();
}

TEST_F(Dispatch, SuspendTellsTheFifoReader) {
    ASSERT_EQ(mkfifo(root.fifo().c_str(), 0600), 0);
    int reader = open(root.fifo().c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(reader, 0);
    start();
    pmtest::pushEvents({PM_EV_SYS_SUSPEND});
    EXPECT_EQ(readFifo(reader), "dumb");
    pmtest::pushEvents({PM_EV_SYS_HIBERNATE});
    EXPECT_EQ(readFifo(reader), "dumb");
    EXPECT_EQ(methodsCalled(), (Methods{"suspend", "bt_dev_unplug", "suspend"}));
    close(reader);
}

TEST_F(Dispatch, SuspendWaitsForAFifoReaderAndHoldsTheQueue) {
    ASSERT_EQ(mkfifo(root.fifo().c_str(), 0600), 0);
    // Queued before the dispatcher runs: a producer waits while a handler runs.
    pmtest::pushEvents({PM_EV_SYS_SUSPEND, PM_EV_HW_PLUGIN});
    start();
    ASSERT_TRUE(out.waitFor("receive event sys_suspend."));
    // While nobody reads the FIFO the next event is not handled.
    EXPECT_FALSE(corvtest::waitFor([] { return methodsCalled().size() > 1; }, 300));
    EXPECT_EQ(methodsCalled(), Methods{"suspend"});
    int reader = open(root.fifo().c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(reader, 0);
    EXPECT_EQ(readFifo(reader), "dumb");
    ASSERT_TRUE(out.waitFor("receive event hw_plugin."));
    EXPECT_TRUE(corvtest::waitFor([] { return methodsCalled().size() == 2; }));
    EXPECT_EQ(methodsCalled(), (Methods{"suspend", "resume"}));
    close(reader);
}

TEST_F(Dispatch, SuspendGivesUpOnAFifoNobodyReads) {
    pmtest::OutputCapture err(STDERR_FILENO);
    g_fifo_reader_wait_ms = 200;
    ASSERT_EQ(mkfifo(root.fifo().c_str(), 0600), 0);
    start();
    pmtest::pushEvents({PM_EV_SYS_SUSPEND, PM_EV_HW_PLUGIN});
    ASSERT_TRUE(out.waitFor("receive event hw_plugin."));
    EXPECT_TRUE(corvtest::waitFor([] { return methodsCalled().size() == 2; }));
    EXPECT_EQ(methodsCalled(), (Methods{"suspend", "resume"}));
    EXPECT_EQ(err.count("failed to write FIFO " + root.fifo() + ":No such device or address.\n"), 1)
        << err.text();
}

}  // namespace
