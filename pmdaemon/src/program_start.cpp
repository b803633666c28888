#include "program_start.h"

#include <cstdio>
#include <cstring>

int start_program(int argc, char** argv, const char* program, const char* usage,
                  ProgramConfigure configure) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(usage, stdout);
        return 0;
    }
    if (argc > 1) {
        std::fprintf(stderr, "%s: unknown argument '%s'\n%s", program, argv[1], usage);
        return 2;
    }
    return configure && !configure() ? 1 : -1;
}
