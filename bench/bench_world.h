// A world for the transfer benchmarks: a phone whose file-transfer folder tree is made
// in a temporary folder, served by the stand-in service at unlimited pace, and a
// connection to it through the client library.
#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <string>

#include "corvclient/btsdk.h"

namespace bench {

// Makes the phone's tree with `fill` in dir/phone and loads a scenario in which the phone
// serves it at unlimited pace in chunks of `chunkBytes`; returns the tree's folder.
std::string loadPhoneScenario(const std::string& dir, const std::function<void(const std::string& tree)>& fill,
                              unsigned chunkBytes);

class TransferWorld {
public:
    // `fill` makes the phone's tree in the folder it is given.
    explicit TransferWorld(const std::function<void(const std::string& tree)>& fill,
                           unsigned chunkBytes = 65536);
    ~TransferWorld();
    TransferWorld(const TransferWorld&) = delete;
    TransferWorld& operator=(const TransferWorld&) = delete;

    bool ready() const { return connection_ != 0; }
    BTCONNHDL connection() const { return connection_; }
    const std::string& tree() const { return tree_; }    // the tree as made
    const std::string& scratch() const { return dir_; }  // for local copies

private:
    std::string dir_, tree_;
    BTCONNHDL connection_ = 0;
};

// The process's CPU time (user and system) in seconds.
double cpuSeconds();

// Brings up the private bus, the stand-in service and the client library, runs the
// registered benchmarks with the reporter (the console's when null), then stops the
// library. False when the library cannot start.
bool runBenchmarks(int* argc, char** argv, benchmark::BenchmarkReporter* reporter = nullptr);

}  // namespace bench
