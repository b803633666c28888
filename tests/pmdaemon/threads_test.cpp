// The thread set: all seven start, and an orderly stop ends every one of them and the
// dispatcher, even those that wait without a time limit.
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <thread>

#include <gtest/gtest.h>

#include "daemon_root.h"
#include "dispatcher.h"
#include "output_capture.h"
#include "pm_threads.h"
#include "queue_probe.h"
#include "server_monitor.h"
#include "stand_in.h"
#include "uevent.h"

namespace {

TEST(Threads, DestroyEndsEveryThread) {
    pmtest::DaemonRoot root;
    int pair[2];
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0, pair), 0);
    set_uevent_source(pair[1]);
    set_server_commands("true", "false");  // the service runs: nothing to start
    pmtest::OutputCapture out(STDOUT_FILENO);
    ASSERT_TRUE(dispatch_pm_events());
    create_detect_threads();
    // The state-file detector watches once a state change comes through.
    ASSERT_TRUE(corvtest::waitFor([&] {
        pmtest::writeFile(root.sysState(), "thaw\n");
        return out.count("receive event sys_resume_from_hibernate.") > 0;
    }));

    static std::atomic<bool> stopped{false};
    std::thread([] {
        destroy_detect_threads();
        stopped = true;
    }).detach();
    EXPECT_TRUE(corvtest::waitFor([] { return stopped.load(); }, 5000));
    EXPECT_TRUE(out.waitFor("thread_dispatch exit..."));
    close(pair[0]);
}

}  // namespace
