// The cost of one synchronous Btsdk_ call against the same method called with plain
// libdbus, on the same private bus and stand-in service. The last line printed is the
// ratio of the two per-call times.
#include <benchmark/benchmark.h>
#include <dbus/dbus.h>

#include <cstdio>
#include <map>
#include <string>

#include "bench_world.h"
#include "corvclient/btsdk.h"

namespace {

void BM_BtsdkGetLocalDeviceClass(benchmark::State& state) {
    BTUINT32 cls = 0;
    for (auto _ : state) {
        if (Btsdk_GetLocalDeviceClass(&cls) != BTSDK_OK) state.SkipWithError("call failed");
        benchmark::DoNotOptimize(cls);
    }
}

void BM_PlainLibdbusGetLocalDeviceClass(benchmark::State& state) {
    DBusError error;
    dbus_error_init(&error);
    DBusConnection* bus = dbus_bus_get_private(DBUS_BUS_SYSTEM, &error);
    if (!bus) {
        state.SkipWithError(error.message);
        dbus_error_free(&error);
        return;
    }
    dbus_connection_set_exit_on_disconnect(bus, FALSE);
    for (auto _ : state) {
        DBusMessage* call = dbus_message_new_method_call(
            "com.zel.corvane", "/com/zel/corvane/btservice/btsdklocal",
            "com.zel.corvane.btservice.btsdklocal", "get_local_device_class");
        DBusMessage* reply = dbus_connection_send_with_reply_and_block(bus, call, 60000, &error);
        dbus_uint32_t cls = 0, result = 1;
        if (!reply || !dbus_message_get_args(reply, &error, DBUS_TYPE_UINT32, &cls,
                                             DBUS_TYPE_UINT32, &result, DBUS_TYPE_INVALID)) {
            state.SkipWithError("plain call failed");
            dbus_error_free(&error);
        }
        benchmark::DoNotOptimize(cls);
        if (reply) dbus_message_unref(reply);
        dbus_message_unref(call);
    }
    dbus_connection_close(bus);
    dbus_connection_unref(bus);
}

BENCHMARK(BM_BtsdkGetLocalDeviceClass)->MinTime(2.0);
BENCHMARK(BM_PlainLibdbusGetLocalDeviceClass)->MinTime(2.0);

// Keeps each benchmark's time per call while printing as usual.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> perCallNs;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (!run.error_occurred) {
                perCallNs[run.benchmark_name()] = run.GetAdjustedRealTime();  // in ns
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

}  // namespace

int main(int argc, char** argv) {
    RatioReporter reporter;
    if (!bench::runBenchmarks(&argc, argv, &reporter)) return 1;

    double lib = 0, plain = 0;
    for (const auto& [name, ns] : reporter.perCallNs) {
        if (name.rfind("BM_Btsdk", 0) == 0) lib = ns;
        if (name.rfind("BM_Plain", 0) == 0) plain = ns;
    }
    if (lib <= 0 || plain <= 0) {
        std::fprintf(stderr, "a benchmark did not run\n");
        return 1;
    }
    std::printf("Btsdk_GetLocalDeviceClass %.1f us/call, plain libdbus %.1f us/call, ratio %.2f\n",
                lib / 1000.0, plain / 1000.0, lib / plain);
    return 0;
}
