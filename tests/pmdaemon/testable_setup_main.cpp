// pmdaemon_setup as the tests run it: the installed program's code with the root prefix
// taken from PMDAEMON_ROOT. Built with the tests only, never installed.
#include "environment_seams.h"
#include "setup_program.h"

int main(int argc, char** argv) {
    return pmdaemon_setup_main(argc, argv, apply_environment_seams);
}
