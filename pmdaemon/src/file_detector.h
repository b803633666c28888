// The state-file detector: watches the system and device state files and the rfkill
// state file with inotify and pushes an event for each change of state.
#pragma once

#include <atomic>
#include <cstdint>

// 0 running, 1 hibernating, 2 suspending; written by this detector under the queue's
// lock, read by the hot-plug detector.
extern std::atomic<int32_t> s_sys_state;

void* pm_file_status_detector(void* unused);
