// The virtual device at the far end of a serial-type connection: an echo that sends back
// every byte, or a modem that answers AT command lines.
#pragma once

#include <string>
#include <vector>

#include "world/remote_device.h"

namespace btserver {

class FarDevice {
public:
    // A modem answers ATI with the name, and ATD with CONNECT for one of the numbers and
    // BUSY for one of the busy numbers.
    FarDevice(SerialKind kind, std::string name, std::vector<std::string> numbers = {},
              std::vector<std::string> busyNumbers = {});
    // What the device sends back for the bytes written to it.
    std::string take(const std::string& bytes);

private:
    std::string answer(const std::string& command) const;

    SerialKind kind_;
    std::string name_;
    std::vector<std::string> numbers_, busyNumbers_;
    std::string line_;  // a command line not yet ended by CR
};

}  // namespace btserver
