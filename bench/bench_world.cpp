#include "bench_world.h"

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "harness.h"

namespace bench {

std::string loadPhoneScenario(const std::string& dir, const std::function<void(const std::string&)>& fill,
                              unsigned chunkBytes) {
    const std::string tree = dir + "/phone";
    std::filesystem::create_directory(tree);
    fill(tree);
    // TransferRate 0: the service moves the bytes as fast as it can.
    std::ofstream(dir + "/bench.ini")
        << "[Adapter]\nName=Bench PC\nAddress=00:1B:DC:0F:3A:60\nPowered=true\n"
        << "[Timing]\nStartBluetooth=1\nStopBluetooth=1\nConnect=1\nTransferRate=0\n"
        << "TransferChunk=" << chunkBytes << "\n"
        << "[Device phone]\nName=Bench Phone\nAddress=5C:F3:70:8A:21:C9\nClass=0x5A020C\nPaired=true\n"
        << "[Service phone/ftp]\nClass=0x1106\nName=OBEX File Transfer\nFiles=phone\n";
    corvtest::StandInService::instance().loadScenario(dir + "/bench.ini");
    return tree;
}

TransferWorld::TransferWorld(const std::function<void(const std::string&)>& fill, unsigned chunkBytes) {
    char pattern[] = "/tmp/corvbench-XXXXXX";
    if (!mkdtemp(pattern)) return;
    dir_ = pattern;
    tree_ = loadPhoneScenario(dir_, fill, chunkBytes);
    std::vector<BTUINT8> param(8, 0);
    if (Btsdk_ConnectEx(1, 0x1106, param.data(), &connection_) != BTSDK_OK) connection_ = 0;
}

TransferWorld::~TransferWorld() {
    if (connection_) Btsdk_Disconnect(connection_);
    if (!dir_.empty()) std::filesystem::remove_all(dir_);
}

bool runBenchmarks(int* argc, char** argv, benchmark::BenchmarkReporter* reporter) {
    corvtest::StandInService::instance();
    if (Btsdk_ClientInit() != BTSDK_OK) {
        std::fprintf(stderr, "cannot start the client library\n");
        return false;
    }
    benchmark::Initialize(argc, argv);
    if (reporter)
        benchmark::RunSpecifiedBenchmarks(reporter);
    else
        benchmark::RunSpecifiedBenchmarks();
    Btsdk_ClientUninit();
    return true;
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

}  // namespace bench
