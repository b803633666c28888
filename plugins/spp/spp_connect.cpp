// Connecting a serial-port shortcut on a free client COM port behind the shared progress
// window, and disconnecting it.
#include <memory>

#include "bt_spp.h"
#include "corvclient/btsdk.h"
#include "cvcommon/class_names.h"
#include "cvcommon/shortcut_helpers.h"
#include "cvcommon/service_classes.h"
#include "working_thread.h"

// No free port leaves the connect silently; a failure is warned by the progress window.
void BtSpp::actionConnect(unsigned int shortcut) {
    if (!m_connect.mayConnect(shortcut)) return;
    const int port = CvCm_GetAvailableComPort(btclass::kSerialPort, false);
    if (port == -1) return;
    ConnectProgress::Request request;
    request.label = ConnectProgress::connectingTo(CvCm_GetDeviceNameByShortcut(shortcut));
    request.opType = WorkingThread::Connect;
    request.wparam = shortcut;
    request.lparam = quint32(port);
    request.failure = WorkingThread::ConnectFailed;
    m_connect.start(std::make_unique<WorkingThread>(), request);
}

void BtSpp::actionDisconnect(unsigned int shortcut) {
    if (CvCm_IsShortcutConnected(shortcut)) Btsdk_DisconnectShortCut(shortcut);
}
