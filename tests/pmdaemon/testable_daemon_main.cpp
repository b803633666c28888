// pmdaemon as the tests run it: the installed daemon's code with the seams taken from
// the environment (environment_seams.h). Built with the tests only, never installed.
#include "daemon_program.h"
#include "environment_seams.h"

int main(int argc, char** argv) {
    return pmdaemon_main(argc, argv, apply_environment_seams);
}
