#include "options.h"

#include <gio/gio.h>
#include <unistd.h>

#include "bus/bus_name.h"

namespace btserver {

namespace {

std::string fromEnvironment(const char* name) {
    const char* value = g_getenv(name);
    return value ? value : "";
}

std::string defaultStateDir() {
    if (geteuid() == 0)
        return "/var/lib/corvane";
    return std::string(g_get_user_state_dir()) + "/corvane";
}

// $CORVANE_DEVICE_DIR, else /dev when the service may write there, else a folder of the
// user's. The clients look for the devices in the same order.
std::string defaultDeviceDir() {
    const char* chosen = g_getenv("CORVANE_DEVICE_DIR");
    if (chosen && *chosen)
        return chosen;
    if (access("/dev", W_OK) == 0)
        return "/dev";
    const char* runtime = g_getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime)
        return std::string(runtime) + "/corvane/dev";
    return "/tmp/corvane-" + std::to_string(geteuid()) + "/dev";
}

std::string taken(gchar* text) {
    std::string value = text ? text : "";
    g_free(text);
    return value;
}

}  // namespace

bool parseOptions(int argc, char** argv, Options& out, std::string& error) {
    gchar *bus = nullptr, *sessionBus = nullptr, *scenario = nullptr, *stateDir = nullptr,
          *deviceDir = nullptr;
    int watchFd = -1;
    const GOptionEntry entries[] = {
        {"bus", 0, 0, G_OPTION_ARG_STRING, &bus,
         "Bus to serve on (default: $DBUS_SYSTEM_BUS_ADDRESS, else the system bus)", "ADDRESS"},
        {"session-bus", 0, 0, G_OPTION_ARG_STRING, &sessionBus,
         "Session bus, where file transfer is also served when it differs from --bus "
         "(default: $DBUS_SESSION_BUS_ADDRESS)",
         "ADDRESS"},
        {"scenario", 0, 0, G_OPTION_ARG_FILENAME, &scenario,
         "Scenario file of the simulated world (default: the built-in one)", "FILE"},
        {"state-dir", 0, 0, G_OPTION_ARG_FILENAME, &stateDir,
         "Folder of the settings files the service owns (default: $XDG_STATE_HOME/corvane, "
         "~/.local/state/corvane, or /var/lib/corvane for root)",
         "DIR"},
        {"device-dir", 0, 0, G_OPTION_ARG_FILENAME, &deviceDir,
         "Folder where the serial devices ttyB<port> of serial connections appear (default: "
         "$CORVANE_DEVICE_DIR, else /dev when writable, else $XDG_RUNTIME_DIR/corvane/dev, else /tmp/corvane-<uid>/dev)",
         "DIR"},
        {"watch-fd", 0, 0, G_OPTION_ARG_INT, &watchFd,
         "Exit when this file descriptor reports end of file or hang-up", "N"},
        {nullptr, 0, 0, G_OPTION_ARG_NONE, nullptr, nullptr, nullptr}};
    GOptionContext* context = g_option_context_new("- the stand-in Bluetooth service");
    g_option_context_set_summary(context,
                                 "Simulates a Bluetooth adapter and remote devices and serves "
                                 "com.zel.corvane with every interface of the service contract, "
                                 "plus the control interface com.zel.corvane.simctl.");
    g_option_context_add_main_entries(context, entries, nullptr);
    GError* failure = nullptr;
    bool ok = g_option_context_parse(context, &argc, &argv, &failure);
    g_option_context_free(context);
    out.bus = taken(bus);
    out.sessionBus = taken(sessionBus);
    out.scenario = taken(scenario);
    out.stateDir = taken(stateDir);
    out.deviceDir = taken(deviceDir);
    out.watchFd = watchFd;
    if (!ok) {
        error = failure->message;
        g_error_free(failure);
        return false;
    }
    if (argc > 1) {
        error = std::string("unexpected argument ") + argv[1];
        return false;
    }
    if (out.bus.empty())
        out.bus = systemBusAddress();
    if (out.sessionBus.empty())
        out.sessionBus = fromEnvironment("DBUS_SESSION_BUS_ADDRESS");
    if (out.stateDir.empty())
        out.stateDir = defaultStateDir();
    if (out.deviceDir.empty())
        out.deviceDir = defaultDeviceDir();
    return true;
}

}  // namespace btserver
