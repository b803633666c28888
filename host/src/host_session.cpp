#include "host_session.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>

#include "corvclient/btsdk.h"
#include "cvcommon/cv_skin.h"
#include "cvcommon/profile_plug_mng.h"
#include "cvcommon/settings_paths.h"
#include "host_invoke.h"
#include "sdk_bridge.h"

std::unique_ptr<HostSession> HostSession::start(const QString& workingDir, QString* error) {
    CvCm_SetWorkingDir(workingDir.toLocal8Bit().constData());
    // Qt's event loop on GLib iterates GLib's default main context itself: the library
    // then starts no thread of its own to drive that context.
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    if (dispatcher && dispatcher->inherits("QEventDispatcherGlib")) CorvClientUseAppMainLoop(1);
    if (Btsdk_ClientInit() != BTSDK_OK) {
        *error = QCoreApplication::translate(
            "HostSession",
            "The Bluetooth service cannot be reached: the system bus is not available.");
        return nullptr;
    }
    BTUINT8 address[BTSDK_BDADDR_LEN] = {};
    if (Btsdk_GetLocalDeviceAddress(address) != BTSDK_OK) {
        Btsdk_ClientUninit();
        *error = QCoreApplication::translate(
            "HostSession", "The Bluetooth service (bt_server) does not answer on the system bus.");
        return nullptr;
    }
    SdkBridge::instance().registerCallbacks();
    std::unique_ptr<HostSession> session(new HostSession);
    CCvSkin().Init(nullptr, nullptr);
    session->plugins_ = std::make_unique<ProfilePlugMng>(reinterpret_cast<void*>(&invokeHost));
    ProfilePlugMng::StartProfileServer();
    return session;
}

HostSession::~HostSession() {
    ProfilePlugMng::StopProfileServer();
    plugins_.reset();
    Btsdk_ClientUninit();
}
