// The daemon's fixed files. Every absolute path is placed under a root prefix, which is
// empty in the installed programs: there the paths are the real ones. The tests' builds
// of the programs, and the tests that run the daemon's threads, set another prefix so
// that the daemon works in a folder of its own.
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
// Test seam: places every path under root from now on ("" for the real paths). Set it
// before the daemon's threads start.
void set_pm_root(const std::string& root);
