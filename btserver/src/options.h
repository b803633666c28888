// The command line of bt_server.
#pragma once

#include <string>

namespace btserver {

struct Options {
    std::string bus;         // address of the bus the service is served on
    std::string sessionBus;  // the session bus, where file transfer is also served when it differs
    std::string scenario;    // scenario file; empty: the built-in default
    std::string stateDir;    // folder of the files the service owns
    std::string deviceDir;   // folder of the serial devices "ttyB<port>"
    int watchFd = -1;        // the service ends when this descriptor reports end of file
};

// Reads the command line and fills in the defaults; false with a message for a bad
// command line. --help prints the usage and exits.
bool parseOptions(int argc, char** argv, Options& out, std::string& error);

}  // namespace btserver
