// Browsing a remote folder of 10,000 entries through Btsdk_FTPBrowseFolder: the rate at
// which the entries reach the callback, all of them and in the service's order. The last
// line printed is that rate.
#include <benchmark/benchmark.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <cstdio>
#include <fstream>
#include <mutex>
#include <string>
#include <vector>

#include "bench_world.h"

namespace {

constexpr int kEntries = 10000;

std::mutex s_lock;
std::condition_variable s_changed;
std::vector<std::string> s_names;

void onEntry(FTP_FIND_DATA* entry) {
    std::lock_guard<std::mutex> lock(s_lock);
    s_names.emplace_back(entry->name);
    if (s_names.size() == kEntries) s_changed.notify_all();
}

std::string nameOf(int i) {
    char name[32];
    std::snprintf(name, sizeof name, "entry %05d.txt", i);
    return name;
}

double s_rate = 0;

void BM_BrowseTenThousandEntries(benchmark::State& state) {
    bench::TransferWorld world([](const std::string& tree) {
        std::string folder = tree + "/big";
        std::filesystem::create_directory(folder);
        for (int i = 0; i < kEntries; ++i) std::ofstream(folder + "/" + nameOf(i)) << i;
    });
    if (!world.ready() || Btsdk_FTPSetRmtDir(world.connection(), "/big") != BTSDK_OK) {
        state.SkipWithError("no connection to the phone's folder");
        return;
    }
    double entries = 0, seconds = 0;
    for (auto _ : state) {
        {
            std::lock_guard<std::mutex> lock(s_lock);
            s_names.clear();
        }
        auto start = std::chrono::steady_clock::now();
        if (Btsdk_FTPBrowseFolder(world.connection(), "big", onEntry, 0) != BTSDK_OK) {
            state.SkipWithError("browse failed");
            return;
        }
        std::unique_lock<std::mutex> lock(s_lock);
        if (!s_changed.wait_for(lock, std::chrono::seconds(60), [] { return s_names.size() == kEntries; })) {
            state.SkipWithError("not every entry arrived");
            return;
        }
        double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(elapsed);
        for (int i = 0; i < kEntries; ++i)
            if (s_names[i] != nameOf(i)) {
                state.SkipWithError(("entry " + std::to_string(i) + " out of order: " + s_names[i]).c_str());
                return;
            }
        entries += kEntries;
        seconds += elapsed;
    }
    s_rate = entries / seconds;
    state.counters["entries_per_s"] = s_rate;
}

BENCHMARK(BM_BrowseTenThousandEntries)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!bench::runBenchmarks(&argc, argv)) return 1;
    if (s_rate <= 0) {
        std::fprintf(stderr, "the browse did not complete\n");
        return 1;
    }
    std::printf("browse of %d entries: %.0f entries/s delivered to the callback, all in order\n", kEntries,
                s_rate);
    return 0;
}
