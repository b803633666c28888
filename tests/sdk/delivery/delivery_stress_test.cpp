// Callback delivery under many starts: a plain application and a Qt one, each with and
// without declaring that it iterates the default main context, are started again and
// again; each registers a callback and receives a burst of signals. Prints, per kind, how
// many starts lost a callback, and fails on any loss.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "harness.h"
#include "program_run.h"

namespace {

constexpr int kStartsPerKind = 60;  // 4 kinds: 240 starts in all
constexpr int kSignals = 40;
constexpr int kParallel = 8;        // each start sleeps 1 s in the library's start-up
constexpr auto kBound = std::chrono::seconds(200);

struct Kind {
    const char* mode;
    bool declared;
};

struct Tally {
    std::atomic<int> started{0}, lost{0}, stray{0}, failed{0};
    std::string firstLoss;
};

void runStarts(const Kind& kind, Tally& tally, std::chrono::steady_clock::time_point deadline) {
    std::vector<std::thread> workers;
    std::atomic<int> next{0};
    std::mutex lossLock;
    for (int w = 0; w < kParallel; ++w) {
        workers.emplace_back([&] {
            while (next++ < kStartsPerKind && std::chrono::steady_clock::now() < deadline) {
                corvtest::ProgramRun run = corvtest::runProgram(
                    {"/usr/bin/env",
                     std::string("CORVCLIENT_APP_MAIN_LOOP=") + (kind.declared ? "1" : "0"),
                     "QT_QPA_PLATFORM=offscreen", CORVTEST_CALLBACK_PROBE, kind.mode,
                     std::to_string(kSignals)});
                ++tally.started;
                if (run.exitCode == 1 || run.exitCode == 3) {
                    ++(run.exitCode == 1 ? tally.lost : tally.stray);
                    std::lock_guard<std::mutex> lock(lossLock);
                    if (tally.firstLoss.empty()) tally.firstLoss = run.out + run.err;
                } else if (run.exitCode != 0) {
                    ++tally.failed;
                    std::lock_guard<std::mutex> lock(lossLock);
                    if (tally.firstLoss.empty()) tally.firstLoss = run.out + run.err;
                }
            }
        });
    }
    for (std::thread& worker : workers) worker.join();
}

TEST(DeliveryStress, NoStartLosesACallback) {
    corvtest::StandInService::instance();
    const Kind kinds[] = {{"plain", false}, {"plain", true}, {"qt", false}, {"qt", true}};
    const auto deadline = std::chrono::steady_clock::now() + kBound;
    Tally tallies[4];
    for (int k = 0; k < 4; ++k) runStarts(kinds[k], tallies[k], deadline);

    int total = 0;
    for (int k = 0; k < 4; ++k) {
        const Tally& t = tallies[k];
        total += t.started;
        std::printf("%-5s %-10s %3d starts, %d lost callbacks (%.1f%%), %d with user-interface "
                    "timers run off their thread, %d failed to run\n",
                    kinds[k].mode, kinds[k].declared ? "declared" : "undeclared", t.started.load(),
                    t.lost.load(), t.started ? 100.0 * t.lost / t.started : 0.0, t.stray.load(),
                    t.failed.load());
    }
    std::printf("%d starts of %d signals each\n", total, kSignals);
    EXPECT_GE(total, 200) << "the time bound cut the run short";
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(tallies[k].lost, 0) << kinds[k].mode << (kinds[k].declared ? " declared: " : ": ")
                                      << tallies[k].firstLoss;
        EXPECT_EQ(tallies[k].stray, 0) << tallies[k].firstLoss;
        EXPECT_EQ(tallies[k].failed, 0) << tallies[k].firstLoss;
    }
}

}  // namespace
