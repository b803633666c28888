#include "daemon_program.h"

#include <unistd.h>

#include <csignal>

#include "dispatcher.h"
#include "pm_log.h"
#include "pm_threads.h"
#include "program_start.h"

namespace {

const char kUsage[] =
    "Usage: pmdaemon [--help]\n"
    "\n"
    "Keeps the Bluetooth service bt_server in step with the machine's sleep, the radio's\n"
    "kill switches and the adapter's arrival and removal, and starts /opt/corvane/bt_server\n"
    "whenever it is not running. Runs as root until it is stopped, after pmdaemon_setup has\n"
    "put its files in place (the systemd unit pmdaemon.service runs both).\n";

}  // namespace

int pmdaemon_main(int argc, char** argv, ProgramConfigure configure) {
    int status = start_program(argc, argv, "pmdaemon", kUsage, configure);
    if (status >= 0)
        return status;
    // A FIFO reader that goes away before "dumb" is written makes the write fail with a
    // message instead of ending the daemon.
    std::signal(SIGPIPE, SIG_IGN);
    if (!dispatch_pm_events())
        pm_error("cannot start the dispatcher thread\n");
    create_detect_threads();
    for (;;) sleep(1);
}
