// The daemon's fixed files. Every absolute path is placed under the root prefix taken
// from the environment variable PMDAEMON_ROOT (empty by default), so that the daemon can
// run against a folder of its own; without it the paths are the real ones.
#pragma once

#include <string>

constexpr const char* kPmInstallDir = "/opt/corvane";
constexpr const char* kPmSysStateFile = "/opt/corvane/sys_pm_state";
constexpr const char* kPmDevStateFile = "/opt/corvane/dev_pm_state";
constexpr const char* kPmFifo = "/opt/corvane/pm_tmp";
constexpr const char* kPmServerProgram = "/opt/corvane/bt_server";
constexpr const char* kPmHookDir = "/etc/pm/sleep.d";
constexpr const char* kPmHookFile = "/etc/pm/sleep.d/pm-corvane.sh";
constexpr const char* kPmRfkillFolder = "/sys/bus/sdio/devices/mmc0:0001:5/rfkill";

// The absolute path under the root prefix in force now.
std::string pm_path(const char* absolute);
