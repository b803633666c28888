// The state-file detector on real files under a temporary root with real inotify: the
// events it pushes for the system, device and rfkill state files.
#include <unistd.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "daemon_root.h"
#include "file_detector.h"
#include "harness.h"
#include "output_capture.h"
#include "pm_event.h"
#include "pm_threads.h"
#include "queue_probe.h"
#include "rfkill.h"

using pmtest::Types;
using pmtest::writeFile;

namespace {

class FileDetector : public testing::Test {
protected:
    void TearDown() override { stop_detect_thread(PM_THREAD_FILE_STATUS); }

    // Starts the detector and waits until it watches: "thaw" is written until its
    // event comes; the queue is then emptied.
    void start() {
        ASSERT_TRUE(start_detect_thread(PM_THREAD_FILE_STATUS));
        ASSERT_TRUE(corvtest::waitFor([&] {
            writeFile(root.sysState(), "thaw\n");
            return pmtest::waitForQueued(1, 20);
        }));
        EXPECT_EQ(pmtest::takeQueued(), Types{PM_EV_SYS_RESUME_FROM_HIBERNATE});
    }
    // Writes "hibernate" to the system file and returns what was queued up to its event.
    Types untilBarrier() {
        writeFile(root.sysState(), "hibernate\n");
        EXPECT_TRUE(corvtest::waitFor([] {
            Types types = pmtest::queuedTypes();
            return !types.empty() && types.back() == PM_EV_SYS_HIBERNATE;
        }));
        return pmtest::takeQueued();
    }

    pmtest::DaemonRoot root;
};

TEST_F(FileDetector, SystemWordsBecomeEventsAndSetTheSleepState) {
    start();
    struct Step {
        const char* text;
        int event;
        int sysState;
    };
    for (Step step :
         {Step{"suspend\n", PM_EV_SYS_SUSPEND, 2}, Step{"resume\n", 3, 0},
          Step{"hibernate\n", PM_EV_SYS_HIBERNATE, 1}, Step{"thaw\n", 4, 0},
          Step{"suspend\n", PM_EV_SYS_SUSPEND, 2}, Step{"standby\n", PM_EV_UNKNOWN, 0}}) {
        writeFile(root.sysState(), step.text);
        ASSERT_TRUE(pmtest::waitForQueued(1)) << step.text;
        EXPECT_EQ(pmtest::takeQueued(), Types{step.event}) << step.text;
        EXPECT_EQ(s_sys_state, step.sysState) << step.text;
    }
}

// The detector reads a file after it was written: a test writes a file again only once
// the change before was seen, or when either content gives the same outcome.
TEST_F(FileDetector, IdenticalSystemWritesGiveOneEvent) {
    start();
    writeFile(root.sysState(), "suspend\n");
    ASSERT_TRUE(pmtest::waitForQueued(1));
    writeFile(root.sysState(), "suspend\n");
    EXPECT_EQ(untilBarrier(), (Types{PM_EV_SYS_SUSPEND, PM_EV_SYS_HIBERNATE}));
}

TEST_F(FileDetector, DeviceAndSystemStatesAreKeptApart) {
    start();
    writeFile(root.sysState(), "suspend\n");
    ASSERT_TRUE(pmtest::waitForQueued(1));
    writeFile(root.devState(), "suspend\n");
    ASSERT_TRUE(pmtest::waitForQueued(2));
    writeFile(root.devState(), "suspend\n");  // the same again
    writeFile(root.devState(), "resume\n");   // only "suspend" counts for the device
    EXPECT_EQ(untilBarrier(), (Types{PM_EV_SYS_SUSPEND, PM_EV_DEV_SUSPEND, PM_EV_SYS_HIBERNATE}));
}

TEST_F(FileDetector, JunkOrEmptyStateFilesPushNothing) {
    std::string rfkill = root.addRfkill();
    start();
    const std::string binary("\x01\x02\xff\x00zz", 6);
    for (const std::string& bytes :
         {std::string(), std::string("\n \n"), binary, std::string(300, '\x7f')})
        writeFile(root.sysState(), bytes);
    for (const std::string& bytes :
         {std::string(), std::string("\n"), binary, std::string(4000, 'x'), std::string("2")}) {
        writeFile(root.devState(), bytes);
        writeFile(rfkill, bytes);
    }
    EXPECT_EQ(untilBarrier(), Types{PM_EV_SYS_HIBERNATE});
}

TEST_F(FileDetector, OutsideRfkillChangesAreSoftwareKills) {
    std::string rfkill = root.addRfkill();
    start();
    writeFile(rfkill, "1\n");
    ASSERT_TRUE(pmtest::waitForQueued(1));
    writeFile(rfkill, "1\n");
    writeFile(rfkill, "0\n");
    ASSERT_TRUE(pmtest::waitForQueued(2));
    EXPECT_EQ(untilBarrier(),
              (Types{PM_EV_RF_SW_KILL_ON, PM_EV_RF_SW_KILL_OFF, PM_EV_SYS_HIBERNATE}));
}

TEST_F(FileDetector, OwnRfkillWriteIsIgnoredOnce) {
    std::string rfkill = root.addRfkill();
    start();
    update_rfkill_state(1);
    EXPECT_EQ(pmtest::readFile(rfkill), "1");
    EXPECT_EQ(untilBarrier(), Types{PM_EV_SYS_HIBERNATE});
    hold_rfkill_flag();
    int flag = rfkill_is_self_changed();
    set_and_release_rfkill_flag(flag);
    EXPECT_EQ(flag, 0);        // used up by the write it stood for
    writeFile(rfkill, "1\n");  // the same text from outside counts
    EXPECT_EQ(untilBarrier(), (Types{PM_EV_RF_SW_KILL_ON, PM_EV_SYS_HIBERNATE}));
}

TEST_F(FileDetector, WithoutRfkillDeviceTheStateFilesAreWatched) {
    start();
    writeFile(root.devState(), "suspend\n");
    EXPECT_EQ(untilBarrier(), (Types{PM_EV_DEV_SUSPEND, PM_EV_SYS_HIBERNATE}));
}

TEST_F(FileDetector, MissingStateFileEndsTheDetector) {
    std::filesystem::remove(root.devState());
    pmtest::OutputCapture err(STDERR_FILENO);
    ASSERT_TRUE(start_detect_thread(PM_THREAD_FILE_STATUS));
    ASSERT_TRUE(err.waitFor("No such file or directory\n"));
}

}  // namespace
