// Catches what the daemon prints on standard output or error while it lives: the
// descriptor goes to a file, which the test reads; the text is echoed to the real
// descriptor at the end so that a test log still shows it.
#pragma once

#include <string>
#include <vector>

namespace pmtest {

class OutputCapture {
public:
    explicit OutputCapture(int fd);
    ~OutputCapture();
    OutputCapture(const OutputCapture&) = delete;
    OutputCapture& operator=(const OutputCapture&) = delete;

    std::string text() const;
    std::vector<std::string> lines() const;
    // Waits until the text holds `part` `count` times.
    bool waitFor(const std::string& part, int count = 1, int timeoutMs = 5000) const;
    int count(const std::string& part) const;

private:
    int fd_;
    int saved_;
    std::string file_;
};

}  // namespace pmtest
