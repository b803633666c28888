// The pseudo-terminals of serial-type connections. Each connection's local end is
// published as "ttyB<port>" in the device folder, a link to the terminal's /dev/pts
// node; its far end is the virtual device (far_device.h). The bytes both ways are the
// connection's traffic: written to the terminal is sent, read from it received.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace btserver {

struct Connection;
struct World;

class SerialLines {
public:
    SerialLines(World& world, std::string deviceDir);
    ~SerialLines();
    SerialLines(const SerialLines&) = delete;
    SerialLines& operator=(const SerialLines&) = delete;

    // Opens the pseudo-terminal of a serial-type connection whose service has one (a
    // failure is logged; the connection stays without one).
    void open(Connection& connection);
    // Opens those of the world's connections that have none yet.
    void openAll();
    // Closes the connection's terminal and removes its link.
    void close(uint32_t connection);
    void closeAll();

private:
    struct Line;
    World& world_;
    std::string dir_;
    std::vector<std::unique_ptr<Line>> lines_;
};

}  // namespace btserver
