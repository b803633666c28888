#include "corvctl_run.h"

#include <fcntl.h>
#include <unistd.h>

namespace corvtest {

namespace {

std::vector<std::string> commandLine(const std::vector<std::string>& args) {
    std::vector<std::string> argv{CORVCTL_PATH};
    argv.insert(argv.end(), args.begin(), args.end());
    return argv;
}

}  // namespace

Outcome corvctl(const std::vector<std::string>& args) {
    return runProgram(commandLine(args));
}

Outcome shell(const std::string& line) {
    std::string command = line;
    const std::string path = CORVCTL_PATH;
    for (size_t at = command.find("corvctl "); at != std::string::npos;
         at = command.find("corvctl ", at + path.size())) {
        command.replace(at, 7, path);
    }
    return runProgram({"/bin/sh", "-c", command});
}

bool startCorvctl(ChildProcess& process, const std::vector<std::string>& args,
                  const std::string& outputFile) {
    int output = open(outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (output < 0) return false;
    bool started = process.start(commandLine(args), {}, output);
    close(output);
    return started;
}

}  // namespace corvtest
