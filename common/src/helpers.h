// The library's internal helpers behind the COM-port functions.
#pragma once

#include <cstdint>

// The shortcuts whose serial port is `port`: at most the list's capacity (*count on
// entry) are stored, every one is counted in *count. False for a null count, no
// shortcuts or no memory.
bool CvHlp_GetShortcutsByComPort(unsigned long* list, int port, unsigned long* count);
// The port byte of the local serial server's attribute block, or -1.
int CvHlp_GetLocalSPPSvrComPort(unsigned long server);
// The first local serial server using the port, or 0.
unsigned int CvHlp_GetExistLocalSPPServer(int port);
// Whether a connected shortcut uses the port.
bool CvHlp_GetExistSPPClient(int port);

namespace cvcommon {

// Serial-type service classes keep their COM port at offset 5 of the attribute block.
bool isSerialType(uint16_t serviceClass);
// The port byte of the shortcut's 15-byte attribute block; -1 when it cannot be read.
int shortcutPort(unsigned int shortcut, uint16_t* serviceClass = nullptr);

}  // namespace cvcommon
