#include "setup_program.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "pm_hook.h"
#include "pm_log.h"
#include "pm_paths.h"
#include "program_start.h"

namespace {

constexpr mode_t kFolderMode = 0755;
constexpr mode_t kFifoMode = 0600;
constexpr mode_t kStateMode = 0644;

const char kUsage[] =
    "Usage: pmdaemon_setup [--help]\n"
    "\n"
    "Puts in place what pmdaemon expects when it starts: the pm-utils sleep hook\n"
    "/etc/pm/sleep.d/pm-corvane.sh, the state files /opt/corvane/sys_pm_state and\n"
    "/opt/corvane/dev_pm_state, and the FIFO /opt/corvane/pm_tmp. Files already there are\n"
    "kept. Runs as root; exits 0 when everything is in place.\n";

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

int pmdaemon_setup_main(int argc, char** argv, ProgramConfigure configure) {
    int status = start_program(argc, argv, "pmdaemon_setup", kUsage, configure);
    if (status >= 0)
        return status;
    bool done = make_folders(pm_path(kPmInstallDir)) && make_folders(pm_path(kPmHookDir)) &&
                create_sys_pm_hook() && make_node(pm_path(kPmDevStateFile), S_IFREG | kStateMode) &&
                make_node(pm_path(kPmFifo), S_IFIFO | kFifoMode);
    return done ? 0 : 1;
}
