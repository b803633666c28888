// Enable/Disable of a local server, and the "status" it leaves in the server's settings
// section ("enable" or "disable", written through the service with
// Btsdk_WritePrivateProfileString into the common settings file; the manager reads it at
// start-up). Nothing happens while Bluetooth is not ready.
//
// SwitchProfileServer is a plug-in's server menu entry (actionSvrEnable): a running
// server (status 1, or 3 while remote devices use it) is stopped, then "disable" is
// written; a stopped one (2) is started, then "enable" is written. The plug-in passes its
// own section ("FTPSERVER", "OPPSERVER", "PANSERVER", the serial server's by port); a
// null section switches without writing.
//
// SwitchServerFromStatusWindow is the status window's button for a server without a
// connection: the section comes from the server's class (ServerStatusSection); a stopped
// server (2) is started, then "enable" is written; for a running one (1) "disable" is
// written first, then the server is stopped (also when its class has no section); a
// server in any other status is left alone.
#pragma once

#include "profilekit_api.h"

enum class ServerSwitch { None, Started, Stopped };

PROFILEKIT_EXPORT ServerSwitch SwitchProfileServer(unsigned int server, const char* section);
PROFILEKIT_EXPORT ServerSwitch SwitchServerFromStatusWindow(unsigned int server);

// The settings section of a server's "status" by its service class: "OPPSERVER",
// "FTPSERVER", "PANSERVER" (0x1117), for a serial server "SPPSERVER1" or "SPPSERVER2"
// (the one whose "VIRTUALDEV" is 0); null for any other.
PROFILEKIT_EXPORT const char* ServerStatusSection(unsigned short serviceClass);
