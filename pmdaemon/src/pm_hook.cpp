#include "pm_hook.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "pm_log.h"
#include "pm_paths.h"

const char kPmHookScript[] =
    "#!/bin/bash\n"
    "case \"$1\" in \n"
    "\thibernate) \n"
    "\t\techo \"hibernate\" >/opt/corvane/sys_pm_state\n"
    "\t\t;;\n"
    "\tsuspend) \n"
    "\t\techo \"suspend\" >/opt/corvane/sys_pm_state\n"
    "\t\t;;\n"
    "\tthaw) \n"
    "\t\techo \"thaw\" >/opt/corvane/sys_pm_state\n"
    "\t\t;;\n"
    "\tresume) \n"
    "\t\techo \"resume\" >/opt/corvane/sys_pm_state\n"
    "\t\t;;\n"
    "\t*) \n"
    "\t\t;;\n"
    "esac\n";

namespace {

constexpr mode_t kHookMode = 0655;
constexpr mode_t kStateMode = 0644;

bool exists(const std::string& path) {
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

// Writes the whole script; a hook left half-written is removed, so that a later run
// writes it again instead of keeping it.
bool write_hook(const std::string& path) {
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    size_t size = std::strlen(kPmHookScript);
    bool written =
        write(fd, kPmHookScript, size) == static_cast<ssize_t>(size) && fchmod(fd, kHookMode) == 0;
    written = close(fd) == 0 && written;
    if (!written)
        unlink(path.c_str());
    return written;
}

}  // namespace

bool create_sys_pm_hook() {
    std::string hook = pm_path(kPmHookFile);
    if (!exists(hook) && !write_hook(hook)) {
        pm_error("create file:%s failed!\n", hook.c_str());
        return false;
    }
    std::string state = pm_path(kPmSysStateFile);
    if (!exists(state)) {
        int fd = open(state.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kStateMode);
        if (fd < 0) {
            pm_error("create file:%s failed!\n", state.c_str());
            return false;
        }
        close(fd);
    }
    return true;
}
