// Keeps bt_server running: checks the process list every second and starts the service
// through the shell when it is missing. PMDAEMON_SERVER_CHECK and PMDAEMON_SERVER_START
// replace the two shell commands (for tests against a stand-in service).
#pragma once

bool bt_server_is_running();
void start_bt_server();
void* pm_monitor_bt_server(void* unused);
