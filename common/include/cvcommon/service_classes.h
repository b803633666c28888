// The Bluetooth service classes of the suite's profile plug-ins, one list for the manager,
// the shared dialogs and every plug-in. (A local server's status values are the client
// library's BTSDK_SERVER_RUNNING 1, BTSDK_SERVER_STOPPED 2 and BTSDK_SERVER_IN_USE 3.)
#pragma once

namespace btclass {

constexpr unsigned short kSerialPort = 0x1101;
constexpr unsigned short kDialupNetworking = 0x1103;
constexpr unsigned short kObjectPush = 0x1105;
constexpr unsigned short kFileTransfer = 0x1106;
constexpr unsigned short kPanUser = 0x1115;
constexpr unsigned short kPanAccessPoint = 0x1116;
constexpr unsigned short kPanGroup = 0x1117;

// Serial port and dial-up connections carry a serial line: a COM port and its device.
constexpr bool isSerialType(unsigned int serviceClass) {
    return serviceClass == kSerialPort || serviceClass == kDialupNetworking;
}

}  // namespace btclass
