// What pmdaemon_setup runs: its command line, then the files pmdaemon expects when it
// starts, which its own start-up does not make: the sleep hook with the system state
// file, the device state file and the FIFO. Files already there are kept.
#pragma once

#include "program_start.h"

// configure: see start_program. Exits 0 when everything is in place.
int pmdaemon_setup_main(int argc, char** argv, ProgramConfigure configure);
