#include "environment_seams.h"

#include <cstdio>
#include <cstdlib>

#include "pm_paths.h"
#include "server_monitor.h"
#include "uevent.h"

namespace {

bool apply_uevent_fd(const char* given) {
    char* end = nullptr;
    long fd = std::strtol(given, &end, 10);
    if (*given == '\0' || *end != '\0' || fd < 0 || fd > 65535) {
        std::fprintf(stderr, "PMDAEMON_UEVENT_FD=%s is no descriptor\n", given);
        return false;
    }
    set_uevent_source(static_cast<int>(fd));
    return true;
}

}  // namespace

bool apply_environment_seams() {
    if (const char* root = std::getenv("PMDAEMON_ROOT"))
        set_pm_root(root);
    const char* check = std::getenv("PMDAEMON_SERVER_CHECK");
    const char* start = std::getenv("PMDAEMON_SERVER_START");
    if (!check != !start) {
        std::fprintf(stderr, "PMDAEMON_SERVER_CHECK and PMDAEMON_SERVER_START go together\n");
        return false;
    }
    if (check)
        set_server_commands(check, start);
    const char* uevents = std::getenv("PMDAEMON_UEVENT_FD");
    return !uevents || apply_uevent_fd(uevents);
}
