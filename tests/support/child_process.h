// A child program of a test, started with fork and exec. The kernel kills it when the
// thread that started it ends (PR_SET_PDEATHSIG), so no child outlives a test process.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace corvtest {

class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess();  // kills a child still running
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // argv[0] is found on PATH unless it holds a "/". keepFds stay open in the child under
    // their numbers; outputFd, when not -1, becomes its standard output and error.
    bool start(const std::vector<std::string>& argv, const std::vector<int>& keepFds = {},
               int outputFd = -1);
    bool running();                // reaps the child when it has ended
    bool waitExit(int timeoutMs);  // whether it ended in time
    void signal(int sig);
    int status() const { return status_; }  // wait status once ended, else -1

private:
    pid_t pid_ = -1;
    int status_ = -1;
};

}  // namespace corvtest
