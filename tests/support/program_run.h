// Runs a program to its end and keeps what it printed, for command-line tests.
#pragma once

#include <string>
#include <vector>

namespace corvtest {

struct ProgramRun {
    int exitCode = -1;  // -1 when it did not exit normally
    std::string out, err;
};

ProgramRun runProgram(const std::vector<std::string>& argv);

}  // namespace corvtest
