#include "output_capture.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <sstream>

#include "daemon_root.h"
#include "harness.h"
#include "temporary_dir.h"

namespace pmtest {

OutputCapture::OutputCapture(int fd) : fd_(fd), saved_(dup(fd)) {
    file_ = corvtest::makeTemporaryDir("pmdaemon-output") + "/out";
    std::fflush(nullptr);
    int target = open(file_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_APPEND | O_CLOEXEC, 0600);
    dup2(target, fd_);
    close(target);
}

OutputCapture::~OutputCapture() {
    std::fflush(nullptr);
    dup2(saved_, fd_);
    close(saved_);
    std::string captured = text();
    if (write(fd_, captured.data(), captured.size()) < 0)
        std::perror("echo of the captured output");
    unlink(file_.c_str());
    rmdir(file_.substr(0, file_.rfind('/')).c_str());
}

std::string OutputCapture::text() const {
    return readFile(file_);
}

std::vector<std::string> OutputCapture::lines() const {
    std::vector<std::string> result;
    std::istringstream in(text());
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
}

int OutputCapture::count(const std::string& part) const {
    std::string all = text();
    int found = 0;
    for (size_t at = all.find(part); at != std::string::npos; at = all.find(part, at + 1)) ++found;
    return found;
}

bool OutputCapture::waitFor(const std::string& part, int count, int timeoutMs) const {
    return corvtest::waitFor([&] { return this->count(part) >= count; }, timeoutMs);
}

}  // namespace pmtest
