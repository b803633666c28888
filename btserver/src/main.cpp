// bt_server: the stand-in Bluetooth service. Serves the whole service contract and the
// control interface on its bus under "com.zel.corvane", and the file-transfer area on the
// session bus as well when that is another bus.
#include <gio/gio.h>

#include <cerrno>
#include <cstdio>
#include <memory>

#include "bus/bus.h"
#include "control/control.h"
#include "lifetime.h"
#include "options.h"
#include "service.h"
#include "world/scenario.h"

using namespace btserver;

namespace {

int fail(const std::string& message) {
    std::fprintf(stderr, "bt_server: %s\n", message.c_str());
    return 1;
}

bool loadWorld(const Options& options, World& world, std::string& error) {
    if (options.scenario.empty()) {
        world = defaultScenario();
        return true;
    }
    return loadScenarioFile(options.scenario, world, error);
}

// Serves everything until the lifetime ends; returns the exit code.
int serve(const Options& options, World world, GDBusConnection* connection) {
    GMainLoop* loop = g_main_loop_new(nullptr, FALSE);
    std::unique_ptr<GMainLoop, decltype(&g_main_loop_unref)> loopHolder(loop, g_main_loop_unref);
    Lifetime lifetime(loop);
    std::string error;
    if (options.watchFd >= 0 && !lifetime.watchFd(options.watchFd, error))
        return fail(error);

    Service service(connection, std::move(world), options.stateDir, options.deviceDir);
    Control control(service, [&lifetime] { lifetime.end(0); });
    ObjectRegistry registry(connection);
    for (const Area& area : service.contract().areas())
        if (!registry.add(area, service.dispatcher(), error))
            return fail(error);
    if (!control.serve(registry, error))
        return fail(error);
    // Served on the session bus before the name on the service's own bus tells that the
    // service is ready.
    SessionBus session;
    if (!options.sessionBus.empty() &&
        !session.serve(service, connection, options.sessionBus, error))
        g_printerr("bt_server: file transfer is not served on the session bus %s: %s\n",
                   options.sessionBus.c_str(), error.c_str());
    lifetime.watchConnection(connection);
    if (!ownName(connection, error))
        return fail(std::string("cannot own ") + kBusName + " on " + options.bus + ": " + error);
    std::printf("bt_server: serving %s on %s\n", kBusName, options.bus.c_str());
    if (session.serving())
        std::printf("bt_server: serving file transfer on the session bus %s too\n",
                    options.sessionBus.c_str());
    std::fflush(stdout);

    g_main_loop_run(loop);
    if (!g_dbus_connection_is_closed(connection)) {
        g_dbus_connection_flush_sync(connection, nullptr, nullptr);
        releaseName(connection);
    }
    return lifetime.exitCode();
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    std::string error;
    if (!parseOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "bt_server: %s (see --help)\n", error.c_str());
        return 2;
    }
    World world;
    if (!loadWorld(options, world, error))
        return fail("scenario " + error);
    if (g_mkdir_with_parents(options.stateDir.c_str(), 0700) != 0)
        return fail("cannot create the state folder " + options.stateDir + ": " +
                    g_strerror(errno));
    GDBusConnection* connection = connectToBus(options.bus, error);
    if (!connection)
        return fail("cannot connect to the bus at " + options.bus + ": " + error);
    int code = serve(options, std::move(world), connection);
    g_dbus_connection_close_sync(connection, nullptr, nullptr);
    g_object_unref(connection);
    return code;
}
