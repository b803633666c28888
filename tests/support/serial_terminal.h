// A serial connection's published device used as a terminal program uses it.
#pragma once

#include <string>

namespace corvtest {

// The device opened in raw mode, as a terminal program opens it; -1 on failure.
int openTerminal(const std::string& path);

// What the terminal reads until the text ends with `end` or two seconds pass.
std::string readUntil(int fd, const std::string& end);

}  // namespace corvtest
