// pmdaemon: keeps the Bluetooth service in step with the machine's sleep, the radio's
// kill switches and the adapter's arrival and removal, and restarts the service when it
// is not running. It works on the real paths and runs only its fixed commands: nothing
// in its environment moves them.
#include "daemon_program.h"

int main(int argc, char** argv) {
    return pmdaemon_main(argc, argv, nullptr);
}
