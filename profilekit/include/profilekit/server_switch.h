// SwitchProfileServer: a local server's Enable/Disable. A running server (status 1, or 3
// while remote devices use it) is stopped and "status" = "disable" is written in its
// settings section; a stopped one (2) is started and "enable" is written. Nothing happens
// while Bluetooth is not ready or for any other status. The value goes through the
// service (Btsdk_WritePrivateProfileString) into the common settings file; the manager
// reads it at start-up. A plug-in's actionSvrEnable calls it with its own section
// ("FTPSERVER", "OPPSERVER", "PANSERVER", the serial server's "SPPSERVER1"/"SPPSERVER2"
// by port); a null section switches the server without writing.
#pragma once

#include "profilekit_api.h"

enum class ServerSwitch { None, Started, Stopped };

PROFILEKIT_EXPORT ServerSwitch SwitchProfileServer(unsigned int server, const char* section);
