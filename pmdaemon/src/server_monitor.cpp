#include "server_monitor.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "pm_paths.h"
#include "pm_threads.h"

namespace {

std::string s_check = "/bin/ps -e | /bin/grep bt_server >/dev/null 2>&1";
std::string s_start;  // empty: the service's program under the root prefix

std::string start_command() {
    if (!s_start.empty())
        return s_start;
    return "LD_LIBRARY_PATH=" + pm_path(kPmInstallDir) + "  " + pm_path(kPmServerProgram) +
           " & >/dev/null 2>&1";
}

}  // namespace

void set_server_commands(const std::string& check, const std::string& start) {
    s_check = check;
    s_start = start;
}

bool bt_server_is_running() {
    int status = std::system(s_check.c_str());
    return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void start_bt_server() {
    std::system(start_command().c_str());
}

void* pm_monitor_bt_server(void*) {
    while (!g_pm_thread_exit) {
        if (!bt_server_is_running())
            start_bt_server();
        sleep(1);
    }
    return nullptr;
}
