// The listener of the service's kill-switch and hardware-error signals; it runs a GLib
// main loop until the daemon stops.
#pragma once

void* pm_connect_signal_to_server(void* unused);
// Ends the listener's main loop, also when it has not started running yet.
void quit_signal_listener();
