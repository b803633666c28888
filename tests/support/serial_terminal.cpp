#include "serial_terminal.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace corvtest {

int openTerminal(const std::string& path) {
    int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios mode{};
    if (fd >= 0 && tcgetattr(fd, &mode) == 0) {
        cfmakeraw(&mode);
        tcsetattr(fd, TCSANOW, &mode);
    }
    return fd;
}

std::string readUntil(int fd, const std::string& end) {
    std::string got;
    pollfd wait{fd, POLLIN, 0};
    while (got.size() < end.size() || got.compare(got.size() - end.size(), end.size(), end) != 0) {
        if (poll(&wait, 1, 2000) <= 0) break;
        char buffer[256];
        ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0) break;
        got.append(buffer, static_cast<size_t>(n));
    }
    return got;
}

}  // namespace corvtest
