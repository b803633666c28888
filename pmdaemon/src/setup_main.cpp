// pmdaemon_setup: puts in place the files pmdaemon expects, on the real paths.
#include "setup_program.h"

int main(int argc, char** argv) {
    return pmdaemon_setup_main(argc, argv, nullptr);
}
