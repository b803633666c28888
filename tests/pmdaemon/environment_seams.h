// The tests' builds of pmdaemon and pmdaemon_setup take the daemon's seams from their
// environment, which the installed programs never read:
//   PMDAEMON_ROOT          the root prefix of every absolute path
//   PMDAEMON_UEVENT_FD     an inherited descriptor to read uevents from (a socket pair)
//   PMDAEMON_SERVER_CHECK  shell command: exit status 0 when the service runs
//   PMDAEMON_SERVER_START  shell command that starts the service
// (the two commands go together: either both or neither).
#pragma once

// Sets the seams that are in the environment; false with a message when one is invalid.
bool apply_environment_seams();
