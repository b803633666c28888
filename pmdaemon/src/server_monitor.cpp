#include "server_monitor.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "pm_paths.h"
#include "pm_threads.h"

namespace {

std::string command(const char* variable, const std::string& fallback) {
    const char* value = std::getenv(variable);
    return value ? value : fallback;
}

}  // namespace

bool bt_server_is_running() {
    int status = std::system(
        command("PMDAEMON_SERVER_CHECK", "ps -e | grep bt_server >/dev/null 2>&1").c_str());
    return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void start_bt_server() {
    std::string fallback = "LD_LIBRARY_PATH=" + pm_path(kPmInstallDir) + "  " +
                           pm_path(kPmServerProgram) + " & >/dev/null 2>&1";
    std::system(command("PMDAEMON_SERVER_START", fallback).c_str());
}

void* pm_monitor_bt_server(void*) {
    while (!g_pm_thread_exit) {
        if (!bt_server_is_running())
            start_bt_server();
        sleep(1);
    }
    return nullptr;
}
