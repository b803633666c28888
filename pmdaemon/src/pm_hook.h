// Installs the pm-utils sleep hook that writes the system sleep state for the daemon,
// and the empty system state file. The daemon's start-up does not run it: installation
// does (pmdaemon_setup).
#pragma once

extern const char kPmHookScript[];

// False (with a message) when the hook or the state file cannot be made; an existing
// hook or state file is kept as it is.
bool create_sys_pm_hook();
