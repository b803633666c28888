#include "child_process.h"

#include <fcntl.h>
#include <glib.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "harness.h"

namespace corvtest {

ChildProcess::~ChildProcess() {
    if (running()) {
        signal(SIGKILL);
        waitExit(5000);
    }
}

bool ChildProcess::start(const std::vector<std::string>& argv, const std::vector<int>& keepFds,
                         int outputFd) {
    std::string program = argv.at(0);
    if (program.find('/') == std::string::npos) {
        gchar* found = g_find_program_in_path(program.c_str());
        if (!found)
            return false;
        program = found;
        g_free(found);
    }
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    pid_t parent = getpid();
    status_ = -1;
    pid_ = fork();
    if (pid_ < 0)
        return false;
    if (pid_ == 0) {  // only async-signal-safe calls from here on
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent)
            _exit(126);
        for (int fd : keepFds) fcntl(fd, F_SETFD, 0);
        if (outputFd >= 0) {
            dup2(outputFd, STDOUT_FILENO);
            dup2(outputFd, STDERR_FILENO);
        }
        execv(program.c_str(), args.data());
        _exit(127);
    }
    return true;
}

bool ChildProcess::running() {
    if (pid_ <= 0)
        return false;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) != pid_)
        return true;
    status_ = status;
    pid_ = -1;
    return false;
}

bool ChildProcess::waitExit(int timeoutMs) {
    return waitFor([this] { return !running(); }, timeoutMs);
}

void ChildProcess::signal(int sig) {
    if (pid_ > 0)
        ::kill(pid_, sig);
}

}  // namespace corvtest
