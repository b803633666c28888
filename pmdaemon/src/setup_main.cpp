// pmdaemon_setup: puts in place what pmdaemon expects when it starts, which its own
// start-up does not make: the sleep hook with the system state file, the device state
// file and the FIFO. Files already there are kept. Honours PMDAEMON_ROOT as the daemon
// does. Exits 0 when everything is in place.
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "pm_hook.h"
#include "pm_log.h"
#include "pm_paths.h"

namespace {

constexpr mode_t kFolderMode = 0755;
constexpr mode_t kFifoMode = 0600;
constexpr mode_t kStateMode = 0644;

// mkdir -p
bool make_folders(const std::string& path) {
    for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        std::string part = path.substr(0, slash);
        if (mkdir(part.c_str(), kFolderMode) != 0 && errno != EEXIST) {
            pm_error("cannot make the folder %s: %s\n", part.c_str(), std::strerror(errno));
            return false;
        }
        if (slash == std::string::npos)
            return true;
    }
}

bool make_node(const std::string& path, mode_t mode) {
    if (mknod(path.c_str(), mode, 0) == 0 || errno == EEXIST)
        return true;
    pm_error("cannot make %s: %s\n", path.c_str(), std::strerror(errno));
    return false;
}

}  // namespace

int main() {
    bool done = make_folders(pm_path(kPmInstallDir)) && make_folders(pm_path(kPmHookDir)) &&
                create_sys_pm_hook() && make_node(pm_path(kPmDevStateFile), S_IFREG | kStateMode) &&
                make_node(pm_path(kPmFifo), S_IFIFO | kFifoMode);
    return done ? 0 : 1;
}
