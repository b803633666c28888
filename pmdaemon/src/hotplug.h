// The hot-plug detector: recognises the Bluetooth adapter arriving and leaving in the
// kernel's uevents.
#pragma once

#include <cstddef>

// The plugged state of the radio device "mervoxa", kept per detector thread.
enum PmPlugState { PM_PLUG_UNKNOWN = -1, PM_PLUG_PRESENT = 0, PM_PLUG_REMOVED = 1 };

// Acts on one received message of length bytes (text has a NUL after them).
void handle_uevent(const char* text, size_t length, int* mervoxa_state);
void* pm_hw_hotplug(void* unused);
