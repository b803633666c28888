// What pmdaemon runs: its command line, then the dispatcher and the detector threads
// until it is stopped.
#pragma once

#include "program_start.h"

// configure: see start_program.
int pmdaemon_main(int argc, char** argv, ProgramConfigure configure);
