// Kernel object uevents: the netlink socket they arrive on, and the lookup of a key in
// one message.
#pragma once

#include <cstddef>

constexpr size_t kUeventMaxBytes = 256;

// The value behind "key=" in the NUL-separated strings of text (length bytes), or null.
// The walk stops at an empty string, and at a string that the length cuts before its
// NUL: such a string is not read.
const char* search_key(const char* key, const char* text, size_t length);

// A netlink datagram socket bound to the kernel's uevent group, or -1 with a message.
int init_uevent_netlink_sock();
// Where the hot-plug detector reads uevents: the descriptor a test gave, else a new
// netlink socket.
int open_uevent_source();
// Test seam: the hot-plug detector reads uevents from fd (one end of a socket pair) in
// place of the kernel's socket. Set it before the detector starts; it closes fd when it
// ends.
void set_uevent_source(int fd);
