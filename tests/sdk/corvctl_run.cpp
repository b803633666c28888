#include "corvctl_run.h"

namespace corvtest {

Outcome corvctl(const std::vector<std::string>& args) {
    std::vector<std::string> argv{CORVCTL_PATH};
    argv.insert(argv.end(), args.begin(), args.end());
    return runProgram(argv);
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

}  // namespace corvtest
