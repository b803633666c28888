// A temporary root for the daemon, set as its root prefix in this process: the install
// folder with both state files, the sleep-hook folder, and optionally the radio
// device's rfkill entry.
#pragma once

#include <string>

namespace pmtest {

class DaemonRoot {
public:
    DaemonRoot();  // sets the daemon's root prefix
    ~DaemonRoot();
    DaemonRoot(const DaemonRoot&) = delete;
    DaemonRoot& operator=(const DaemonRoot&) = delete;

    const std::string& dir() const { return dir_; }
    std::string path(const std::string& absolute) const { return dir_ + absolute; }
    std::string sysState() const;
    std::string devState() const;
    std::string fifo() const;
    // Makes the device's rfkill folder with the entry "rfkill0" and its "state" file.
    std::string addRfkill() const;
    std::string rfkillState() const;

private:
    std::string dir_;
};

// Writes the bytes in one open-write-close, as a shell's redirection does.
void writeFile(const std::string& path, const std::string& bytes);
std::string readFile(const std::string& path);

}  // namespace pmtest
