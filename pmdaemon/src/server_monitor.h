// Keeps bt_server running: checks the process list every second and starts the service
// through the shell when it is missing. The commands are fixed and name their programs
// by absolute path, so that nothing in the daemon's environment chooses what runs as
// root; only the tests' build of the daemon replaces them.
#pragma once

#include <string>

bool bt_server_is_running();
void start_bt_server();
void* pm_monitor_bt_server(void* unused);

// Test seam: shell commands that replace the check (exit status 0 when the service
// runs) and the start. Set them before the monitor thread starts.
void set_server_commands(const std::string& check, const std::string& start);
