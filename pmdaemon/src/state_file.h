// Reading and classifying the daemon's state files, and finding a state file whose
// folder name is not fixed (the rfkill entry of a device).
#pragma once

#include <cstddef>

enum PmFileState {
    PM_STATE_INVALID = -1,  // anything else, or an error
    PM_STATE_SUSPEND = 0,
    PM_STATE_HIBERNATE = 1,
    PM_STATE_RESUME = 2,
    PM_STATE_THAW = 3,
    PM_STATE_ONE = 4,   // first character '1'
    PM_STATE_ZERO = 5,  // first character '0'
};

constexpr size_t kPmFileMaxBytes = 256;

// Reads at most 256 bytes of the file into text (which has room for a NUL after them);
// the count, or -1 with a message when the file cannot be opened or read.
int read_pm_text(const char* path, char text[kPmFileMaxBytes + 1]);
// The state the text names: the four words as prefixes, in order, then '1' and '0'.
int classify_pm_text(const char* text, size_t length);
// Whether the bytes read are a text at all: printable characters and blanks, not
// blanks alone.
bool is_state_text(const char* text, size_t length);
int read_pm_file(const char* path);

// folder + "/" + the first entry of folder without a '.' + "/" + name, as a malloc'ed
// text in *path (0), or -1 when the folder is missing or has no such entry.
int find_state_file(const char* folder, const char* name, char** path);
