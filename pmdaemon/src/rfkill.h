// The rfkill state file of the radio device, and the flag that tells the daemon's own
// writes of it from outside ones.
#pragma once

extern int rfkill_flag;  // 1 after the daemon wrote the file itself; guarded by rfkill_mutex

int rfkill_is_self_changed();
void hold_rfkill_flag();
void set_and_release_rfkill_flag(int value);

// The rfkill state file of the device under the root prefix, malloc'ed, or null when
// the device has none.
char* find_rfkill_state_file();
// Writes "1" for state 1 and "2" for any other into the rfkill file, with the flag set
// so that the write does not come back as a software-kill event.
void update_rfkill_state(int state);
