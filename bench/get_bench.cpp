// A 64 MiB get through Btsdk_FTPGetFile at the service's unlimited pace: the client's CPU
// time per progress report, and the wall time against a plain copy of the same bytes on
// the same disk. The last line printed is the ratio of the two wall times.
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench_world.h"

namespace {

constexpr size_t kBytes = 64u << 20;

std::atomic<long> s_reports{0};
void onStatus(BTUINT8, BTUINT8, const char*, BTUINT32, BTUINT32) { ++s_reports; }

double s_getSeconds = 0, s_copySeconds = 0, s_cpuPerReportUs = 0;

void makeBigFile(const std::string& tree) {
    std::ofstream out(tree + "/big.bin", std::ios::binary);
    std::vector<char> block(1 << 20);
    for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<char>(i * 131 + 7);
    for (size_t written = 0; written < kBytes; written += block.size()) out.write(block.data(), block.size());
}

template <typename F>
double wallSeconds(F&& run) {
    auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_Get64MiB(benchmark::State& state) {
    bench::TransferWorld world(makeBigFile);
    if (!world.ready()) {
        state.SkipWithError("no connection to the phone");
        return;
    }
    Btsdk_FTPRegisterStatusCallback(world.connection(), onStatus);
    const std::string target = world.scratch() + "/got.bin", copy = world.scratch() + "/copied.bin";
    for (auto _ : state) {
        std::filesystem::remove(target);
        s_reports = 0;
        double cpuBefore = bench::cpuSeconds();
        BTRESULT result = BTSDK_OK;
        s_getSeconds = wallSeconds([&] { result = Btsdk_FTPGetFile(world.connection(), "/big.bin", target.c_str()); });
        double cpu = bench::cpuSeconds() - cpuBefore;
        if (result != BTSDK_OK || std::filesystem::file_size(target) != kBytes) {
            state.SkipWithError("the get failed");
            return;
        }
        state.SetIterationTime(s_getSeconds);
        s_cpuPerReportUs = s_reports > 0 ? cpu * 1e6 / static_cast<double>(s_reports.load()) : 0;
        std::filesystem::remove(copy);
        s_copySeconds = wallSeconds([&] { std::filesystem::copy_file(target, copy); });
    }
    state.counters["reports"] = static_cast<double>(s_reports.load());
    state.counters["cpu_us_per_report"] = s_cpuPerReportUs;
    state.counters["plain_copy_ms"] = s_copySeconds * 1000;
    state.SetBytesProcessed(static_cast<int64_t>(kBytes) * state.iterations());
}

BENCHMARK(BM_Get64MiB)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!bench::runBenchmarks(&argc, argv)) return 1;
    if (s_getSeconds <= 0 || s_copySeconds <= 0) {
        std::fprintf(stderr, "the get did not complete\n");
        return 1;
    }
    std::printf("64 MiB get: %.0f ms, %ld progress reports, %.1f us client CPU per report; plain copy %.0f ms; "
                "ratio %.2f\n",
                s_getSeconds * 1000, s_reports.load(), s_cpuPerReportUs, s_copySeconds * 1000,
                s_getSeconds / s_copySeconds);
    return 0;
}
