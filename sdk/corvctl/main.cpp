// corvctl: a command-line client of the Corvane Bluetooth service.
#include <dbus/dbus-glib-lowlevel.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "command.h"
#include "corvclient/btsdk.h"
#include "transfer_progress.h"

namespace corvctl {

int fail(const std::string& text, unsigned result) {
    std::fprintf(stderr, "corvctl: %s (result %u)\n", text.c_str(), result);
    return 1;
}

bool parseHandle(const std::string& text, unsigned* value) {
    char* end = nullptr;
    unsigned long v = std::strtoul(text.c_str(), &end, 0);
    if (text.empty() || *end) return false;
    *value = static_cast<unsigned>(v);
    return true;
}

namespace {

const Command* const kGroups[] = {kLocalCommands,    kDeviceCommands, kServiceCommands,
                                  kShortcutCommands, kFileCommands,   kProfileCommands};

// Whether the Bluetooth service owns its name on the bus, asked on the library's
// connection once it has started. Without the service some calls fail, but others
// answer like an empty world (no devices, no shortcuts), and the command would succeed.
// A bus that cannot answer is no proof of absence: the calls will tell.
bool serviceAbsent() {
    DBusConnection* bus = dbus_g_connection_get_connection(g_dbus_connection);
    DBusError error;
    dbus_error_init(&error);
    bool owned = dbus_bus_name_has_owner(bus, "com.zel.corvane", &error);
    bool failed = dbus_error_is_set(&error);
    dbus_error_free(&error);
    return !owned && !failed;
}

const Command* findCommand(const char* name) {
    for (const Command* group : kGroups) {
        for (const Command* c = group; c->name; ++c) {
            if (std::strcmp(c->name, name) == 0) return c;
        }
    }
    return nullptr;
}

void usage(FILE* out) {
    std::fprintf(out, "Usage: corvctl COMMAND [ARGUMENTS]\n\nA DEVICE is named by its handle, its address or its name.\n\nCommands:\n");
    for (const Command* group : kGroups) {
        for (const Command* c = group; c->name; ++c) {
            std::string head = std::string(c->name) + (c->usage[0] ? " " : "") + c->usage;
            std::fprintf(out, "  %-36s ", head.c_str());
            // A summary's further lines stand under its first.
            for (const char* s = c->summary; *s; ++s) {
                if (*s == '\n')
                    std::fprintf(out, "\n%39s", "");
                else
                    std::fputc(*s, out);
            }
            std::fputc('\n', out);
        }
    }
    std::fprintf(out,
                 "\nThe service is reached on the system bus (DBUS_SYSTEM_BUS_ADDRESS).\n"
                 "Exit status: 0 success, 1 the service is absent, refused or failed, 2 wrong\n"
                 "usage, %d a transfer cancelled with Ctrl-C.\n",
                 kCancelledStatus);
}

}  // namespace
}  // namespace corvctl

int main(int argc, char** argv) {
    using namespace corvctl;
    if (argc < 2 || !std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")) {
        usage(argc < 2 ? stderr : stdout);
        return argc < 2 ? 2 : 0;
    }
    const Command* command = findCommand(argv[1]);
    if (!command) {
        std::fprintf(stderr, "corvctl: unknown command '%s' (see corvctl --help)\n", argv[1]);
        return 2;
    }
    if (Btsdk_ClientInit() != BTSDK_OK) {
        std::fprintf(stderr, "corvctl: cannot reach the system bus\n");
        return 1;
    }
    int status = 1;
    if (serviceAbsent())
        std::fprintf(stderr, "corvctl: the Bluetooth service is not running (nothing owns "
                             "com.zel.corvane on the system bus)\n");
    else
        status = command->run(Args(argv + 2, argv + argc));
    Btsdk_ClientUninit();
    return status;
}
