// Running corvctl as a user does, for its tests.
#pragma once

#include <string>
#include <vector>

#include "child_process.h"
#include "program_run.h"

namespace corvtest {

using Outcome = ProgramRun;

// corvctl with the arguments.
Outcome corvctl(const std::vector<std::string>& args);
// A shell line in which "corvctl " stands for the program (for piped answers).
Outcome shell(const std::string& line);
inline int exitCode(const Outcome& run) { return run.exitCode; }

// corvctl with the arguments started in the background, all it prints going to the file
// outputFile, for a test that acts on it while it runs.
bool startCorvctl(ChildProcess& process, const std::vector<std::string>& args,
                  const std::string& outputFile);

}  // namespace corvtest
