// Running corvctl as a user does, for its tests.
#pragma once

#include <string>
#include <vector>

namespace corvtest {

struct Outcome {
    int status = -1;
    std::string out, err;
};

// corvctl with the arguments, its output and wait status.
Outcome corvctl(const std::vector<std::string>& args);
// A shell line in which "corvctl " stands for the program (for piped answers).
Outcome shell(const std::string& line);
int exitCode(const Outcome& run);

}  // namespace corvtest
