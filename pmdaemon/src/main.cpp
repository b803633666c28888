// pmdaemon: keeps the Bluetooth service in step with the machine's sleep, the radio's
// kill switches and the adapter's arrival and removal, and restarts the service when it
// is not running.
#include <unistd.h>
#include <csignal>

#include "dispatcher.h"
#include "pm_log.h"
#include "pm_threads.h"

int main() {
    // A FIFO reader that goes away before "dumb" is written makes the write fail with a
    // message instead of ending the daemon.
    std::signal(SIGPIPE, SIG_IGN);
    if (!dispatch_pm_events())
        pm_error("cannot start the dispatcher thread\n");
    create_detect_threads();
    for (;;) sleep(1);
}
